#pragma once
#include <QList>
#include <QString>

namespace browser {

// One place in the folder tree.
struct FolderEntry {
    enum class Kind { Desktop, Home, FileSystem, Volume, Folder };
    Kind kind = Kind::Folder;
    QString name; // what the tree shows
    QString path; // file-system path, without a trailing "/" except for "/"
    bool removable = false;
    bool network = false;
    // Whether the tree offers to expand it before looking inside.
    bool mayHaveChildren = false;
};

// The namespace the folder tree shows, as a file manager shows it: the Desktop (the XDG
// desktop folder, or home when there is none) holding Home, the File System and each mounted
// volume; below them, folders only, without hidden ones, in natural order.
class FolderNamespace {
  public:
    static FolderEntry desktop();
    static QList<FolderEntry> children(const FolderEntry& parent);
    // Whether a listing of this item may be incomplete, so its expand button must stay: it
    // listed nothing, its last child is a removable or network volume, or it lies on one.
    static bool listingIsFinal(const FolderEntry& parent, const QList<FolderEntry>& listed);

    // Sorts names the way a file manager does: numbers by value, letters without case.
    static void sortNatural(QStringList& names);
    static bool isRemovablePath(const QString& path);
    static bool isNetworkPath(const QString& path);
    // The chain of entries from a Desktop child down to the folder at path, for opening the
    // tree at a folder given on the command line; empty when it is no folder.
    static QList<FolderEntry> chainTo(const QString& path);
};

} // namespace browser
