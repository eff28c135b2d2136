#include "browser/model/SubFolderProbe.h"

#include <QFile>
#include <QMetaObject>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

namespace browser {

// What the probing threads and the owner share; `owner` is cleared under `lock` when the
// owner goes, and nothing reaches it after that.
struct SubFolderProbe::Shared {
    std::mutex lock;
    SubFolderProbe* owner = nullptr;
    std::vector<std::pair<QString, bool>> answers;
    bool wakePending = false;

    void answer(const QString& folder, bool hasSubFolders) {
        std::lock_guard guard(lock);
        if (owner == nullptr)
            return;
        answers.emplace_back(folder, hasSubFolders);
        if (!std::exchange(wakePending, true))
            QMetaObject::invokeMethod(owner, "takeAnswers", Qt::QueuedConnection);
    }
};

SubFolderProbe::SubFolderProbe(QObject* parent)
    : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
}

SubFolderProbe::~SubFolderProbe() {
    std::lock_guard guard(shared_->lock);
    shared_->owner = nullptr;
}

bool SubFolderProbe::hasSubFolder(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr)
        return true;
    bool found = false;
    while (!found) {
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr)
            break;
        // Hidden folders, "." and ".." are not listed in the tree.
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type == DT_DIR) {
            found = true;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // A link to a folder is listed too; some file systems do not tell the type at all.
            struct stat status {};
            const QByteArray child = path + '/' + entry->d_name;
            found = ::stat(child.constData(), &status) == 0 && S_ISDIR(status.st_mode);
        }
    }
    ::closedir(dir);
    return found;
}

void SubFolderProbe::probe(const QStringList& folders) {
    if (folders.isEmpty())
        return;
    // Detached: a thread stuck on a dead mount must not hold up the window or the end of the
    // program. It keeps what it shares alive itself.
    std::thread([shared = shared_, folders] {
        for (const QString& folder : folders) {
            {
                std::lock_guard guard(shared->lock);
                if (shared->owner == nullptr)
                    return;
            }
            shared->answer(folder, hasSubFolder(folder));
        }
    }).detach();
}

void SubFolderProbe::takeAnswers() {
    std::vector<std::pair<QString, bool>> answers;
    {
        std::lock_guard guard(shared_->lock);
        answers.swap(shared_->answers);
        shared_->wakePending = false;
    }
    for (const auto& [folder, hasSubFolders] : answers)
        emit probed(folder, hasSubFolders);
}

} // namespace browser
