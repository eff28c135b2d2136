#include "browser/model/ImageProperties.h"

#include "shared/ImageFile.h"
#include "shared/ImageFormat.h"

#include <QDateTime>
#include <QFileInfo>

namespace browser {

namespace {

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toLocalTime().toString("yyyy-MM-dd HH:mm:ss") : QString();
}

} // namespace

QString ImageProperties::coloursOf(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return QStringLiteral("2(monocromatic)");
    case 4:
        return QStringLiteral("16");
    case 8:
        return QStringLiteral("256");
    case 16:
        return QStringLiteral("65,536");
    case 24:
        return QStringLiteral("16 millions");
    default:
        return QStringLiteral("XXXXX");
    }
}

ImageProperties ImageProperties::of(const QString& path) {
    ImageProperties p;
    const qsizetype dot = path.lastIndexOf('.');
    if (dot > 0) {
        p.type = path.mid(dot + 1).toUpper();
        p.format = p.type + QStringLiteral(" Image");
    }
    p.location = path.left(path.lastIndexOf('/') + 1);
    const QFileInfo file(path);
    if (file.exists()) {
        p.size = QString::asprintf("%1.1fKB", double(file.size()) * 0.001);
        p.created = timeText(file.birthTime());
        p.modified = timeText(file.lastModified());
        p.accessed = timeText(file.lastRead());
        // Nobody may write it, whoever asks: root's permission to do so anyway is no answer.
        p.readOnly =
            !(file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        p.hidden = file.fileName().startsWith('.');
    }
    const quillax::ImageInfo picture =
        quillax::ImageFile::info(path, quillax::imageTypeFromName(path));
    if (picture.isValid()) {
        p.colours = coloursOf(picture.bitsPerPixel);
        p.width = QStringLiteral("%1 pixels").arg(picture.width);
        p.height = QStringLiteral("%1 pixels").arg(picture.height);
    }
    return p;
}

} // namespace browser
