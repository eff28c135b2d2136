#include "browser/ui/FolderTree.h"

#include "browser/model/CVistaRamblerDoc.h"

#include <QFileIconProvider>
#include <QHeaderView>

namespace browser {

namespace {

QIcon iconFor(const FolderEntry& entry) {
    static QFileIconProvider provider;
    switch (entry.kind) {
    case FolderEntry::Kind::Desktop:
        return provider.icon(QAbstractFileIconProvider::Desktop);
    case FolderEntry::Kind::FileSystem:
        return provider.icon(QAbstractFileIconProvider::Computer);
    case FolderEntry::Kind::Volume:
        return provider.icon(entry.network ? QAbstractFileIconProvider::Network
                                           : QAbstractFileIconProvider::Drive);
    default:
        return provider.icon(QAbstractFileIconProvider::Folder);
    }
}

} // namespace

FolderTree::FolderTree(CVistaRamblerDoc& doc, QWidget* parent) : QTreeWidget(parent), doc_(doc) {
    setObjectName("folderTree");
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::listChildren);
    connect(&probe_, &SubFolderProbe::probed, this, &FolderTree::markProbed);
    connect(&watcher_, &FolderWatcher::changed, this, &FolderTree::relistFolders);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onCurrentChanged(current); });
    // The Desktop is current from the start without having been chosen; a click on it, or on
    // any current folder whose pictures are not shown, loads them.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const FolderEntry* entry = entryOf(item);
        if (item == currentItem() && entry != nullptr && doc_.folder() != entry->path)
            onCurrentChanged(item);
    });

    // The Desktop at the top, its places listed, itself the first folder of the history.
    root_ = addItem(nullptr, FolderNamespace::desktop());
    listChildren(root_);
    root_->setExpanded(true);
    {
        const QSignalBlocker quiet(this);
        setCurrentItem(root_);
    }
    history_.selected(keyOf(root_));
}

QTreeWidgetItem* FolderTree::addItem(QTreeWidgetItem* parent, const FolderEntry& entry,
                                     int position) {
    QTreeWidgetItem* item = nullptr;
    if (parent == nullptr) {
        item = new QTreeWidgetItem(this);
    } else if (position < 0) {
        item = new QTreeWidgetItem(parent);
    } else {
        item = new QTreeWidgetItem;
        parent->insertChild(position, item);
    }
    item->setText(0, entry.name);
    item->setIcon(0, iconFor(entry));
    item->setToolTip(0, entry.path);
    item->setChildIndicatorPolicy(entry.mayHaveChildren
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    entries_.insert(item, entry);
    byKey_.insert(keyOf(item), item);
    return item;
}

const FolderEntry* FolderTree::entryOf(const QTreeWidgetItem* item) const {
    const auto it = entries_.find(item);
    return it == entries_.end() ? nullptr : &it.value();
}

QString FolderTree::keyOf(const QTreeWidgetItem* item) const {
    const FolderEntry* entry = entryOf(item);
    return entry ? keyFor(entry->kind, entry->path) : QString();
}

QString FolderTree::keyFor(FolderEntry::Kind kind, const QString& path) {
    // Home and the Desktop may be the same folder; they are still two places in the tree.
    return QString::number(int(kind)) + ":" + path;
}

void FolderTree::listChildren(QTreeWidgetItem* item) {
    if (item == nullptr || listed_.contains(item) || item->childCount() > 0)
        return;
    listed_.insert(item);
    const FolderEntry entry = *entryOf(item);
    const QList<FolderEntry> children = FolderNamespace::children(entry);
    for (const FolderEntry& child : children)
        addItem(item, child);
    if (item == root_)
        return;
    watcher_.watch(entry.path);
    probeChildren(item);
    if (FolderNamespace::listingIsFinal(entry, children)) {
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    } else if (children.isEmpty()) {
        // Perhaps a drive without its medium: the button stays for another try.
        listed_.remove(item);
        item->setExpanded(false);
    }
}

void FolderTree::relistFolders(const QStringList& folders) {
    // Only listed folders are watched; one that listed nothing stays watched for its first
    // sub-folder. Home and its folder item may both stand for one path.
    QList<const QTreeWidgetItem*> items;
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it)
        if (it.key() != root_ && folders.contains(it.value().path))
            items.append(it.key());
    for (const QTreeWidgetItem* item : items)
        if (entries_.contains(item)) // not taken out with a branch above it meanwhile
            relist(const_cast<QTreeWidgetItem*>(item));
}

void FolderTree::relistOpenFolders() {
    QStringList folders;
    for (const QTreeWidgetItem* item : std::as_const(listed_))
        if (item != root_)
            folders.append(entryOf(item)->path);
    relistFolders(folders);
}

void FolderTree::relist(QTreeWidgetItem* item) {
    const FolderEntry entry = *entryOf(item);
    const QList<FolderEntry> now = FolderNamespace::children(entry);
    listed_.insert(item);
    QSet<QString> paths;
    for (const FolderEntry& child : now)
        paths.insert(child.path);
    for (int i = item->childCount() - 1; i >= 0; --i) {
        const FolderEntry* child = entryOf(item->child(i));
        if (child == nullptr || !paths.contains(child->path))
            removeBranch(item->child(i));
    }
    // What stays is in the same order as the new listing, so one walk puts the new ones in
    // their places.
    for (int i = 0; i < now.size(); ++i) {
        const FolderEntry* there = i < item->childCount() ? entryOf(item->child(i)) : nullptr;
        if (there == nullptr || there->path != now[i].path) {
            addItem(item, now[i], i);
            if (!now[i].removable && !now[i].network)
                probe_.probe({now[i].path});
        }
    }
    // Removable and network media keep their button whatever they hold just now.
    if (!entry.removable && !entry.network)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void FolderTree::removeBranch(QTreeWidgetItem* item) {
    for (QTreeWidgetItem* at = currentItem(); at != nullptr; at = at->parent()) {
        if (at == item) {
            setCurrentItem(item->parent());
            break;
        }
    }
    for (int i = item->childCount() - 1; i >= 0; --i)
        removeBranch(item->child(i));
    // Its folder is gone, and its watch with it.
    byKey_.remove(keyOf(item));
    entries_.remove(item);
    listed_.remove(item);
    delete item;
}

void FolderTree::probeChildren(QTreeWidgetItem* item) {
    QStringList folders;
    for (int i = 0; i < item->childCount(); ++i) {
        const FolderEntry* child = entryOf(item->child(i));
        // Removable and network media are never looked into ahead of time.
        if (child != nullptr && child->kind == FolderEntry::Kind::Folder && !child->removable &&
            !child->network)
            folders.append(child->path);
    }
    probe_.probe(folders);
}

void FolderTree::markProbed(const QString& folder, bool hasSubFolders) {
    QTreeWidgetItem* item = byKey_.value(keyFor(FolderEntry::Kind::Folder, folder));
    // An item listed meanwhile knows its children better than the probe did.
    if (item == nullptr || hasSubFolders || listed_.contains(item))
        return;
    entries_[item].mayHaveChildren = false;
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void FolderTree::onCurrentChanged(QTreeWidgetItem* current) {
    const FolderEntry* entry = entryOf(current);
    if (entry == nullptr)
        return;
    history_.selected(keyOf(current));
    doc_.loadFolder(entry->path);
    doc_.select(0);
    announce();
}

void FolderTree::announce() {
    emit navigationChanged(history_.canGoBack(), history_.canGoForward(),
                           currentItem() != nullptr && currentItem() != root_);
}

void FolderTree::selectKey(const QString& key) {
    QTreeWidgetItem* item = byKey_.value(key);
    if (item == nullptr)
        return;
    setCurrentItem(item);
    scrollToItem(item);
}

void FolderTree::back() {
    const QString key = history_.back();
    if (!key.isEmpty())
        selectKey(key);
    announce();
}

void FolderTree::forward() {
    const QString key = history_.forward();
    if (!key.isEmpty())
        selectKey(key);
    announce();
}

void FolderTree::up() {
    QTreeWidgetItem* current = currentItem();
    if (current != nullptr && current->parent() != nullptr)
        setCurrentItem(current->parent());
}

bool FolderTree::openFolder(const QString& path) {
    const QList<FolderEntry> chain = FolderNamespace::chainTo(path);
    if (chain.isEmpty())
        return false;
    QTreeWidgetItem* at = root_;
    for (const FolderEntry& step : chain) {
        listChildren(at);
        at->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < at->childCount() && next == nullptr; ++i) {
            const FolderEntry* child = entryOf(at->child(i));
            if (child && child->path == step.path && (at != root_ || child->kind == step.kind))
                next = at->child(i);
        }
        if (next == nullptr) // a hidden folder, say: add it where it belongs
            next = addItem(at, step);
        at = next;
    }
    setCurrentItem(at);
    scrollToItem(at);
    return true;
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    // A press on a folder or on its expand button tells the history of the click before the
    // selection moves, so that a click after Back keeps the folder clicked.
    history_.clicked();
    QTreeWidget::mousePressEvent(event);
}

} // namespace browser
