#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

namespace browser {

// Tells when folders change under other programs' hands. A burst of changes (a hundred
// photos copied in) comes as one call once it has settled, so the list is read once, not a
// hundred times; a steady stream is still told at least once a second.
class FolderWatcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kSettleMs = 200;
    static constexpr int kLongestWaitMs = 800;

    explicit FolderWatcher(QObject* parent = nullptr);

    // Watches exactly these folders from now on.
    void watchOnly(const QStringList& folders);
    void watch(const QString& folder);

  signals:
    // The folders that changed (or went) since the last call, each once.
    void changed(const QStringList& folders);

  private:
    void noteChange(const QString& folder);
    void tell();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer longest_;
    QSet<QString> pending_;
};

} // namespace browser
