#include "editor/model/TemporaryFolder.h"

#include "shared/FileTransfer.h"

#include <QDir>
#include <QLockFile>

namespace editor {

TemporaryFolder::TemporaryFolder(const QString& folder) : folder_(folder) {
}

TemporaryFolder::~TemporaryFolder() = default;

bool TemporaryFolder::claim() {
    if (lock_ != nullptr && lock_->isLocked())
        return true;
    // Beside the folder, not in it: the lock is no leftover, and no save copies it. A lock
    // whose editor died is taken over (QLockFile checks that its process is gone).
    lock_ = std::make_unique<QLockFile>(QDir::cleanPath(folder_) + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

QStringList TemporaryFolder::trashLeftovers() const {
    const QDir dir(folder_);
    QStringList kept;
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (!quillax::FileTransfer::moveToTrash(dir.absoluteFilePath(file)))
            kept.append(file);
    }
    return kept;
}

} // namespace editor
