#pragma once
#include "browser/model/FolderHistory.h"
#include "browser/model/FolderNamespace.h"
#include "browser/model/FolderWatcher.h"
#include "browser/model/SubFolderProbe.h"

#include <QHash>
#include <QTreeWidget>

namespace browser {

class CVistaRamblerDoc;

// The "Directory" bar's tree: the Desktop and its places, folders listed on first expansion,
// selection loading the catalogue, and the history behind Back, Forward and Up.
class FolderTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit FolderTree(CVistaRamblerDoc& doc, QWidget* parent = nullptr);

    void back();
    void forward();
    void up();
    // Opens the tree down to a folder and selects it; false when it is no folder.
    bool openFolder(const QString& path);

    QTreeWidgetItem* rootItem() const { return root_; }
    const FolderHistory& history() const { return history_; }
    // The entry an item stands for.
    const FolderEntry* entryOf(const QTreeWidgetItem* item) const;
    void listChildren(QTreeWidgetItem* item);
    // Reads every listed folder again: new sub-folders appear, gone ones leave the tree.
    void relistOpenFolders();
    QSize sizeHint() const override { return {300, 100}; }

  signals:
    // Back, Forward and Up may have changed.
    void navigationChanged(bool canGoBack, bool canGoForward, bool canGoUp);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Appends the item, or puts it at `position` among the parent's children.
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const FolderEntry& entry, int position = -1);
    QString keyOf(const QTreeWidgetItem* item) const;
    static QString keyFor(FolderEntry::Kind kind, const QString& path);
    void selectKey(const QString& key);
    void onCurrentChanged(QTreeWidgetItem* current);
    void announce();
    // Asks which of a freshly listed item's folders hold folders themselves.
    void probeChildren(QTreeWidgetItem* item);
    void markProbed(const QString& folder, bool hasSubFolders);
    // Brings a listed item's children in line with its folder as it is now, keeping the
    // branches that are still there as they were.
    void relist(QTreeWidgetItem* item);
    void relistFolders(const QStringList& folders);
    // Takes an item and everything below it out of the tree; the current folder, when it
    // was in there, passes to the item's parent.
    void removeBranch(QTreeWidgetItem* item);

    CVistaRamblerDoc& doc_;
    FolderHistory history_;
    QTreeWidgetItem* root_ = nullptr;
    QHash<const QTreeWidgetItem*, FolderEntry> entries_;
    FolderWatcher watcher_; // the listed folders, so that the tree follows other programs
    QHash<QString, QTreeWidgetItem*> byKey_;
    QSet<const QTreeWidgetItem*> listed_;
    SubFolderProbe probe_;
};

} // namespace browser
