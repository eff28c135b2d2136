#include "browser/model/FolderNamespace.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

namespace browser {

namespace {

QString cleanPath(const QString& path) {
    QString p = QDir::cleanPath(path);
    return p.isEmpty() ? QStringLiteral("/") : p;
}

bool isSystemMount(const QString& root) {
    for (const char* prefix :
         {"/proc", "/sys", "/dev", "/run/user", "/run/lock", "/snap", "/boot"}) {
        if (root == prefix || root.startsWith(QString::fromLatin1(prefix) + "/"))
            return true;
    }
    return root == "/run" || root == "/";
}

} // namespace

FolderEntry FolderNamespace::desktop() {
    QString path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        path = QDir::homePath();
    return {
        FolderEntry::Kind::Desktop, QStringLiteral("Desktop"), cleanPath(path), false, false, true};
}

void FolderNamespace::sortNatural(QStringList& names) {
    // Numeric collation does nothing under the C locale that servers and CI run with.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : QString::compare(a, b) < 0;
    });
}

bool FolderNamespace::isRemovablePath(const QString& path) {
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return false;
    QString device = QString::fromLocal8Bit(storage.device());
    if (!device.startsWith("/dev/"))
        return false;
    device = QFileInfo(device).canonicalFilePath().section('/', -1);
    // A partition's block directory sits inside its disk's, which carries the flag.
    const QString block = QFileInfo("/sys/class/block/" + device).canonicalFilePath();
    for (const QString& dir : {block, block.section('/', 0, -2)}) {
        QFile flag(dir + "/removable");
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

bool FolderNamespace::isNetworkPath(const QString& path) {
    const QStorageInfo storage(path);
    const QByteArray type = storage.fileSystemType();
    for (const char* network : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs",
                                "afs", "9p", "davfs", "fuse.davfs", "fuse.rclone", "ncpfs"}) {
        if (type == network)
            return true;
    }
    return false;
}

QList<FolderEntry> FolderNamespace::children(const FolderEntry& parent) {
    QList<FolderEntry> out;
    if (parent.kind == FolderEntry::Kind::Desktop) {
        out.append({FolderEntry::Kind::Home, QStringLiteral("Home"), cleanPath(QDir::homePath()),
                    false, false, true});
        out.append({FolderEntry::Kind::FileSystem, QStringLiteral("File System"),
                    QStringLiteral("/"), false, false, true});
        QList<FolderEntry> volumes;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QString root = cleanPath(volume.rootPath());
            if (!volume.isValid() || isSystemMount(root))
                continue;
            FolderEntry entry{FolderEntry::Kind::Volume, volume.displayName(), root,
                              isRemovablePath(root),     isNetworkPath(root),  true};
            if (entry.name.isEmpty() || entry.name == root)
                entry.name =
                    QFileInfo(root).fileName().isEmpty() ? root : QFileInfo(root).fileName();
            volumes.append(entry);
        }
        QStringList names;
        for (const FolderEntry& v : volumes)
            names.append(v.name);
        sortNatural(names);
        for (const QString& name : names) {
            const auto it = std::find_if(volumes.begin(), volumes.end(),
                                         [&](const FolderEntry& v) { return v.name == name; });
            out.append(*it);
            volumes.erase(it);
        }
        return out;
    }

    QStringList names;
    QDirIterator it(parent.path, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        // Qt's filter lets a link through whatever it points at; only folders, also behind
        // links, are folders here (a link to a FIFO is none).
        if (it.fileInfo().isDir())
            names.append(it.fileName());
    }
    sortNatural(names);
    const bool removable = parent.removable || isRemovablePath(parent.path);
    const bool network = parent.network;
    for (const QString& name : names) {
        const QString path = parent.path == "/" ? "/" + name : parent.path + "/" + name;
        // Offered to expand until a look inside, away from the window, finds nothing there.
        out.append({FolderEntry::Kind::Folder, name, path, removable, network, true});
    }
    return out;
}

bool FolderNamespace::listingIsFinal(const FolderEntry& parent, const QList<FolderEntry>& listed) {
    if (listed.isEmpty())
        return false;
    const FolderEntry& last = listed.last();
    if (last.kind == FolderEntry::Kind::Volume && (last.removable || last.network))
        return false;
    return !(parent.removable || parent.network);
}

QList<FolderEntry> FolderNamespace::chainTo(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir())
        return {};
    const QString target = cleanPath(info.absoluteFilePath());
    // Start from the deepest top-level place that holds it: a volume, home, or "/".
    FolderEntry start{FolderEntry::Kind::FileSystem,
                      QStringLiteral("File System"),
                      QStringLiteral("/"),
                      false,
                      false,
                      true};
    for (const FolderEntry& top : children(desktop())) {
        const bool holds =
            top.path == "/" || target == top.path || target.startsWith(top.path + "/");
        if (holds && (start.path == "/" || top.path.size() > start.path.size()))
            start = top;
    }
    QList<FolderEntry> chain{start};
    QString at = start.path;
    const QStringList rest =
        target.mid(start.path == "/" ? 1 : start.path.size() + 1).split('/', Qt::SkipEmptyParts);
    for (const QString& part : rest) {
        at = at == "/" ? "/" + part : at + "/" + part;
        chain.append({FolderEntry::Kind::Folder, part, at, start.removable, start.network, true});
    }
    return chain;
}

} // namespace browser
