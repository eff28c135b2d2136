#include "browser/model/FolderWatcher.h"

#include <QFileInfo>

namespace browser {

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    longest_.setSingleShot(true);
    longest_.setInterval(kLongestWaitMs);
    connect(&settle_, &QTimer::timeout, this, &FolderWatcher::tell);
    connect(&longest_, &QTimer::timeout, this, &FolderWatcher::tell);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::noteChange);
}

void FolderWatcher::watchOnly(const QStringList& folders) {
    const QStringList old = watcher_.directories();
    if (!old.isEmpty())
        watcher_.removePaths(old);
    for (const QString& folder : folders)
        watch(folder);
}

void FolderWatcher::watch(const QString& folder) {
    // Only real folders: a watch on anything else tells nothing and only warns.
    if (!folder.isEmpty() && QFileInfo(folder).isDir() && !watcher_.directories().contains(folder))
        watcher_.addPath(folder);
}

void FolderWatcher::noteChange(const QString& folder) {
    pending_.insert(folder);
    settle_.start();
    if (!longest_.isActive())
        longest_.start();
}

void FolderWatcher::tell() {
    settle_.stop();
    longest_.stop();
    if (pending_.isEmpty())
        return;
    QStringList folders(pending_.begin(), pending_.end());
    pending_.clear();
    folders.sort();
    emit changed(folders);
}

} // namespace browser
