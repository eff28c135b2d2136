#pragma once
#include <QString>
#include <QStringList>

namespace browser {

// The folders visited in the tree, oldest first, at most eight, behind Back and Forward.
// Folders are named by the tree's keys for them.
class FolderHistory {
  public:
    static constexpr int kCapacity = 8;

    // A folder was selected: remembered unless Back or Forward is selecting it.
    void selected(const QString& folder);
    // The folder Back goes to, or nothing at the oldest entry; the caller selects it.
    QString back();
    QString forward();
    // A click in the tree, told before the selection it makes: after Back or Forward it drops
    // the entries from the current one on, so the folder clicked is remembered after the
    // remaining ones.
    void clicked();

    bool canGoBack() const { return index_ > 0; }
    bool canGoForward() const { return index_ < int(entries_.size()) - 1; }
    bool isNavigating() const { return navigating_; }
    const QStringList& entries() const { return entries_; }
    int index() const { return index_; }

  private:
    void push(const QString& folder);

    QStringList entries_;
    QString current_;
    int index_ = -1;
    bool navigating_ = false;
};

} // namespace browser
