#pragma once
#include "browser/model/FoundImage.h"
#include "browser/model/SearchCriteria.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace browser {

// A search of a folder tree for pictures, run on a thread of its own so that the window keeps
// answering. What it finds comes in batches, about ten times a second, with the folder being
// searched. Cancelling stops it at the next file; so does destroying it, and a thread held up
// by a stalled disk is left to end on its own without holding anyone up.
class ImageSearch : public QObject {
    Q_OBJECT
  public:
    explicit ImageSearch(QObject* parent = nullptr);
    ~ImageSearch() override;

    void start(const SearchCriteria& criteria);
    void cancel();
    bool isRunning() const { return mailbox_ != nullptr; }

    // The whole search on the calling thread: pictures only (by their names' types), then the
    // header tests where the criteria ask for them.
    struct Events {
        std::function<void(const std::string& folder)> enteringFolder;
        std::function<void(FoundImage&&)> found;
    };
    static void searchTree(const SearchCriteria& criteria, const std::atomic<bool>& stop,
                           const Events& events);

    // Takes what the search thread has left (a timer and the thread's end call it).
    Q_INVOKABLE void takeFound();

  signals:
    void imagesFound(const QList<browser::FoundImage>& images);
    // How many were found so far, and where the search is now.
    void progress(int count, const QString& folder);
    // The search ended, done or cancelled.
    void finished();

  private:
    struct Mailbox;

    std::shared_ptr<Mailbox> mailbox_;
    QTimer poll_;
    int count_ = 0;
};

} // namespace browser
