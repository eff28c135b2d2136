#pragma once
#include "shared/ImageFile.h"

#include <QObject>
#include <QStringList>
#include <optional>

namespace browser {

// The browser's document: the image files of one folder, or the results of a search, and the
// one current image, decoded in full for the preview and the commands.
class CVistaRamblerDoc : public QObject {
    Q_OBJECT
  public:
    explicit CVistaRamblerDoc(QObject* parent = nullptr);

    // Replaces the catalogue with the picture files of a folder (no trailing "/"): names in
    // lower case, sorted by plain byte order. A folder that cannot be read lists nothing.
    void loadFolder(const QString& path);
    // Makes entry `index` the current image, decoding it once; the same index again does
    // nothing. A file that cannot be decoded gives an invalid current image.
    void select(int index);
    // Takes full paths found by a search, in their order, lower-cased.
    void takeSearchResults(const QStringList& paths);
    void clear();
    // Drops entry `index` (after the file was deleted or moved away); nothing is current then,
    // so the next selection decodes its file again.
    void removeEntry(int index);
    // Makes a file chosen outside the list the current image; the current index stays.
    void showPath(const QString& path);
    // The entry took a new file name (after a rename).
    void renameEntry(int index, const QString& newName);

    const QString& folder() const { return folder_; }
    // The names as the list shows them, in lower case.
    const QStringList& names() const { return names_; }
    bool isFullPathMode() const { return fullPathMode_; }
    const QString& currentPath() const { return currentPath_; }
    // Whether the current path names an image at all: it has a "." after its first character.
    bool currentPathNamesAnImage() const { return currentPath_.indexOf('.', 1) > 0; }
    int currentIndex() const { return currentIndex_; }
    const std::optional<quillax::DecodedImage>& currentImage() const { return currentImage_; }
    // The file of entry `index` as it is really named: on a file system that tells case apart
    // the lowered name would name no file at all.
    QString fullPath(int index) const;
    // How many times a file was decoded for select, so tests can see decoding happen once.
    int decodeCount() const { return decodeCount_; }

    // The document's own file: one length-prefixed string holding a line feed, the current
    // path and a line feed. Reading takes the string and leaves the catalogue as it is.
    QByteArray archive() const;
    static std::optional<QString> readArchive(const QByteArray& bytes);

  signals:
    // Before the names change: the thumbnail worker must stop.
    void namesAboutToChange();
    // The names were replaced: the list is rebuilt.
    void namesReplaced();
    // The current image changed or went away: the preview redraws.
    void currentImageChanged();

  private:
    void discardCurrentImage();

    QString currentPath_;
    int currentIndex_ = -1;
    bool fullPathMode_ = false;
    QString folder_;
    QStringList names_;
    QStringList files_; // the same entries, spelled as on disk
    std::optional<quillax::DecodedImage> currentImage_;
    int decodeCount_ = 0;
};

} // namespace browser
