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
    // Takes full paths found by a search, in their order, spelled as on disk; the list shows
    // them lower-cased.
    void takeSearchResults(const QStringList& paths);
    void clear();
    // Drops entry `index` (after the file was deleted or moved away). When it was the current
    // one, the entry that takes its place becomes current (the one before it at the end of
    // the list), or none in an empty list.
    void removeEntry(int index);
    // Shows a picture chosen outside the list in the preview. The current entry stays what
    // the commands act on: a file the user cannot see in the list is never theirs to delete.
    void showPath(const QString& path);
    // The entry took a new file name (after a rename).
    void renameEntry(int index, const QString& newName);
    // Reads the shown folder again after other programs changed it; search results only lose
    // the files that are gone. The current photo stays current where it still is; when it
    // went, the one that took its place is current. Unless told to read everything again,
    // nothing changes, and false comes back, when the folder holds the same pictures.
    enum class Reread { IfChanged, Always };
    bool refresh(Reread how = Reread::IfChanged);

    const QString& folder() const { return folder_; }
    // The names as the list shows them, in lower case.
    const QStringList& names() const { return names_; }
    bool isFullPathMode() const { return fullPathMode_; }
    // The current entry's file, spelled as on disk; empty while nothing is current.
    const QString& currentPath() const { return currentPath_; }
    // Whether the current path names an image at all: it has a "." after its first character.
    bool currentPathNamesAnImage() const { return currentPath_.indexOf('.', 1) > 0; }
    int currentIndex() const { return currentIndex_; }
    bool hasCurrentEntry() const { return currentIndex_ >= 0 && currentIndex_ < names_.size(); }
    // The picture the preview shows: one opened from elsewhere, else the current entry's.
    QString shownPath() const { return openedPath_.isEmpty() ? currentPath_ : openedPath_; }
    const std::optional<quillax::DecodedImage>& currentImage() const { return currentImage_; }
    // The file of entry `index` as it is really named: on a file system that tells case apart
    // the lowered name would name no file at all.
    QString fullPath(int index) const;
    // Entry `index`'s file name as spelled on disk (its label is lower-cased).
    QString fileName(int index) const;
    // The entry of the file so named on disk (exact spelling), or -1.
    int indexOfFile(const QString& fileName) const;
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
    // Another entry, or none (-1), is current: the list highlights it.
    void currentIndexChanged(int index);
    // Entry `index` left the list, or took a new name; the rest of the list stands.
    void entryRemoved(int index);
    void entryRenamed(int index);

  private:
    void discardCurrentImage();
    void replaceFiles(const QStringList& files);
    // After entry `gone` left the list: the entry now at its place, else the last, else none.
    void selectInPlaceOf(int gone);
    bool dropVanishedResults();
    static QStringList picturesIn(const QString& folder);

    QString currentPath_;
    QString openedPath_;
    int currentIndex_ = -1;
    bool fullPathMode_ = false;
    QString folder_;
    QStringList names_;
    QStringList files_; // the same entries, spelled as on disk
    std::optional<quillax::DecodedImage> currentImage_;
    int decodeCount_ = 0;
};

} // namespace browser
