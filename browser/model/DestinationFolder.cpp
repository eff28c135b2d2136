#include "browser/model/DestinationFolder.h"

#include <QDir>

namespace browser {

QString DestinationFolder::resolve(const QString& typed, const QString& shownFolder) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    QString path;
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + text.mid(1);
    else if (QDir::isAbsolutePath(text))
        path = text;
    else
        path = shownFolder + QLatin1Char('/') + text;
    return QDir::cleanPath(path);
}

} // namespace browser
