#include "browser/model/FoundImage.h"

#include <QDateTime>

namespace browser {

QString FoundImage::name() const {
    return path.mid(path.lastIndexOf('/') + 1);
}

QString FoundImage::folder() const {
    return path.left(path.lastIndexOf('/') + 1);
}

QString FoundImage::sizeText(qint64 bytes) {
    const qint64 kilobytes = bytes / 1024;
    return kilobytes < 10 ? QString("%1 B").arg(bytes) : QString("%1 KB").arg(kilobytes);
}

QString FoundImage::modifiedText(qint64 seconds) {
    if (seconds < 0)
        return {};
    // Formats with a pattern are in English whatever the locale, as AM and PM must be here.
    return QDateTime::fromSecsSinceEpoch(seconds).toString("dd-MM-yyyy hh:mm AP");
}

} // namespace browser
