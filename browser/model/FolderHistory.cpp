#include "browser/model/FolderHistory.h"

namespace browser {

void FolderHistory::push(const QString& folder) {
    if (entries_.size() == kCapacity)
        entries_.removeFirst();
    entries_.append(folder);
}

void FolderHistory::selected(const QString& folder) {
    if (folder != current_ && !navigating_) {
        push(folder);
        index_ = int(entries_.size()) - 1;
    }
    current_ = folder;
}

QString FolderHistory::back() {
    if (index_ <= 0)
        return {};
    navigating_ = true;
    const QString target = entries_[index_ - 1];
    selected(target);
    index_ -= 1;
    return target;
}

QString FolderHistory::forward() {
    if (index_ >= int(entries_.size()) - 1)
        return {};
    navigating_ = true;
    const QString target = entries_[index_ + 1];
    selected(target);
    index_ += 1;
    return target;
}

void FolderHistory::clicked() {
    if (navigating_) {
        while (int(entries_.size()) > index_)
            entries_.removeLast();
    }
    navigating_ = false;
}

} // namespace browser
