#pragma once
#include "editor/model/LayerStack.h"
#include "editor/model/ProjectFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quillax {
class FileTransfer;
}

namespace editor {

// A project on disk: its file and the folder of its photos beside it ("<name>srcImg/").
// Reading refuses what is no project; writing goes by way of a temporary file renamed over
// the old one; a project saved under another name takes all its photos along, or nothing
// changes.
class ProjectDisk {
  public:
    // The project file a chosen path names: its folder, its name and ".lyj".
    static QString projectFileOf(const QString& path);
    // The photo folder of the project file at `path`, ending in "/".
    static QString photoFolderOf(const QString& path);

    struct Read {
        ProjectContents contents;
        QString problem; // empty when the file is a project
    };
    [[nodiscard]] static Read read(const QString& path);

    // A photo layer's full-size picture, from a name that must be a file of the folder.
    static std::optional<imaging::DibImage> photo(const QString& folder, const QString& name);

    [[nodiscard]] static QString write(const QString& path, const ProjectPrefix& prefix,
                                       const LayerStack& layers);

    // Writes the project under `prefix.name` at `path` with copies of `files` of
    // `fromFolder`, renamed for the project. Only once every copy is whole and the file is
    // written does a project that stood there before lose its photos. The message to show;
    // empty when the project was written with all its photos.
    [[nodiscard]] static QString saveAs(const QString& path, const QString& fromFolder,
                                        const QStringList& files, const ProjectPrefix& prefix,
                                        const LayerStack& layers, quillax::FileTransfer& transfer);
};

} // namespace editor
