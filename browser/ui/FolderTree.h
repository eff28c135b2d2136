#pragma once
#include "browser/model/FolderHistory.h"
#include "browser/model/FolderNamespace.h"
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
    QSize sizeHint() const override { return {300, 100}; }

  signals:
    // Back, Forward and Up may have changed.
    void navigationChanged(bool canGoBack, bool canGoForward, bool canGoUp);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const FolderEntry& entry);
    QString keyOf(const QTreeWidgetItem* item) const;
    static QString keyFor(FolderEntry::Kind kind, const QString& path);
    void selectKey(const QString& key);
    void onCurrentChanged(QTreeWidgetItem* current);
    void announce();
    // Asks which of a freshly listed item's folders hold folders themselves.
    void probeChildren(QTreeWidgetItem* item);
    void markProbed(const QString& folder, bool hasSubFolders);

    CVistaRamblerDoc& doc_;
    FolderHistory history_;
    QTreeWidgetItem* root_ = nullptr;
    QHash<const QTreeWidgetItem*, FolderEntry> entries_;
    QHash<QString, QTreeWidgetItem*> byKey_;
    QSet<const QTreeWidgetItem*> listed_;
    SubFolderProbe probe_;
};

} // namespace browser
