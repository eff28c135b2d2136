#pragma once
#include <QString>
#include <QStringList>
#include <set>

namespace quillax {
class FileTransfer;
}

namespace editor {

// The folder of a project's photo files, and how its files follow the project to a new name
// without ever losing one: everything is copied first into a fresh folder beside the target,
// each copy read back whole, and only once every photo is there does anything old go.
class ProjectFolder {
  public:
    // What a transfer left: the fresh folder, or the photo that could not be copied and why.
    struct Staged {
        QString folder;
        QString failedFile;
        QString why;
        bool ok() const { return failedFile.isEmpty() && why.isEmpty(); }
    };
    // Copies `files` of `source` into a fresh hidden folder beside `target`, under the
    // project's name for them (newPrj13_2.bmp becomes Trip3_2.bmp for "Trip"). Nothing of
    // `source` or `target` changes; on a failure the fresh folder is gone again.
    [[nodiscard]] static Staged stage(const QString& source, const QStringList& files,
                                      const QString& target, const QString& name,
                                      quillax::FileTransfer& transfer);
    // Every file of `folder`.
    static QStringList filesOf(const QString& folder);
    // The layer a photo file of project `name` belongs to, by its name: 3 for "newPrj13.bmp"
    // and its edit versions "newPrj13_1.bmp", ...; -1 for any other file.
    static int photoIdOf(const QString& fileName, const QString& name);
    // The files of `folder` that belong to the layers `ids` of project `name`.
    static QStringList photoFilesOf(const QString& folder, const QString& name,
                                    const std::set<int>& ids);
    // The staged folder takes `target`'s place. A folder already there is kept aside, under
    // the name that comes back, until dropAside(), so that putBack() can still undo the swap.
    // False, with nothing changed, when the swap cannot be made.
    [[nodiscard]] static bool putInPlace(const QString& staged, const QString& target,
                                         QString& aside);
    static void putBack(const QString& target, const QString& aside);
    static void dropAside(const QString& aside);
    // Removes these files of `folder`: the photos of a temporary project once its saved
    // project holds them.
    static void removeFiles(const QString& folder, const QStringList& files);
};

} // namespace editor
