#include "editor/model/LayerLabel.h"

namespace editor {

QString photoLabel(const QString& path) {
    if (path.size() < 38 || path.count('/') < 3)
        return path;
    const qsizetype first = path.indexOf('/');
    const qsizetype last = path.lastIndexOf('/');
    const qsizetype secondToLast = path.lastIndexOf('/', last - 1);
    return path.left(first + 1) + "..." + path.mid(secondToLast);
}

} // namespace editor
