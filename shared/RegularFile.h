#pragma once
#include <QFile>
#include <QString>

namespace quillax {

// Opens `path` for reading only when it is a regular file, also behind links, and no larger
// than `maxBytes`. A FIFO would hold the open until some writer came, and a device can be read
// forever; neither is a picture. The type is checked on the opened file itself, so nothing can
// be swapped in between.
bool openRegularFile(const QString& path, QFile& file, qint64 maxBytes);

} // namespace quillax
