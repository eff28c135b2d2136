#pragma once
#include <QString>

namespace editor {

// The folder of a project's photo files, and how its files follow the project to a new name.
class ProjectFolder {
  public:
    // Every file of `source` goes to `target` under the project's name for it (newPrj13_2.bmp
    // becomes Trip3_2.bmp for "Trip"), replacing a file of that name. A temporary project's
    // files are moved; a saved project's are copied, so that its own file keeps its photos.
    // Single files that fail are passed over, as a half-moved folder beats none.
    static void transfer(const QString& source, const QString& target, const QString& name,
                         bool keepSource);
    // Moves a file, also to another file system: copied, checked to be whole, then removed.
    static bool moveFile(const QString& from, const QString& to);
};

} // namespace editor
