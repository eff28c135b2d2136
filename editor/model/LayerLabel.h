#pragma once
#include <QString>

namespace editor {

// The layer list's label for a photo's path: long paths (38 characters or more with at least
// three separators) keep their first folder, "...", and the last folder with the file name.
QString photoLabel(const QString& path);

} // namespace editor
