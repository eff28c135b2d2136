#include "browser/model/ImageSearch.h"

#include "shared/ImageFile.h"

#include <QFile>
#include <mutex>
#include <thread>
#include <vector>

namespace browser {

// Where the search thread leaves what it found. The thread keeps it alive itself; results
// change hands under `lock`, and the queued call at the end only wakes the owner. Each search
// has its own, so a cancelled one still running cannot mix its results into the next.
struct ImageSearch::Mailbox {
    std::atomic<bool> stop{false};
    std::mutex lock;
    ImageSearch* owner = nullptr;
    std::vector<FoundImage> outbox;
    QString folder;
    bool done = false;

    void finish() {
        std::lock_guard guard(lock);
        done = true;
        if (owner != nullptr)
            QMetaObject::invokeMethod(owner, "takeFound", Qt::QueuedConnection);
    }
};

ImageSearch::ImageSearch(QObject* parent) : QObject(parent) {
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, &ImageSearch::takeFound);
}

ImageSearch::~ImageSearch() {
    if (!mailbox_)
        return;
    mailbox_->stop = true;
    std::lock_guard guard(mailbox_->lock);
    mailbox_->owner = nullptr;
}

void ImageSearch::searchTree(const SearchCriteria& criteria, const std::atomic<bool>& stop,
                             const Events& events) {
    FileFinder finder(criteria.finder, stop);
    finder.run({events.enteringFolder, [&](FinderFile&& file) {
                    const QString path = QFile::decodeName(file.path.c_str());
                    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
                    if (format == quillax::kUnknownFormat)
                        return;
                    if (criteria.pixels.isOn() &&
                        !criteria.pixels.passes(quillax::ImageFile::info(path, format)))
                        return;
                    events.found(FoundImage{path, file.size, file.modified});
                }});
}

void ImageSearch::start(const SearchCriteria& criteria) {
    cancel();
    count_ = 0;
    mailbox_ = std::make_shared<Mailbox>();
    mailbox_->owner = this;
    std::thread([mailbox = mailbox_, criteria] {
        searchTree(criteria, mailbox->stop,
                   {[&](const std::string& folder) {
                        const QString name = QFile::decodeName(folder.c_str());
                        std::lock_guard guard(mailbox->lock);
                        mailbox->folder = name;
                    },
                    [&](FoundImage&& image) {
                        std::lock_guard guard(mailbox->lock);
                        mailbox->outbox.push_back(std::move(image));
                    }});
        mailbox->finish();
    }).detach();
    poll_.start();
}

void ImageSearch::cancel() {
    if (!mailbox_)
        return;
    mailbox_->stop = true;
    {
        std::lock_guard guard(mailbox_->lock);
        mailbox_->owner = nullptr;
    }
    takeFound(); // what was found so far stays found
    if (mailbox_) {
        mailbox_.reset();
        poll_.stop();
        emit finished();
    }
}

void ImageSearch::takeFound() {
    if (!mailbox_)
        return;
    std::vector<FoundImage> taken;
    QString folder;
    bool done = false;
    {
        std::lock_guard guard(mailbox_->lock);
        taken.swap(mailbox_->outbox);
        folder = mailbox_->folder;
        done = mailbox_->done;
    }
    if (!taken.empty()) {
        count_ += int(taken.size());
        emit imagesFound(QList<FoundImage>(std::make_move_iterator(taken.begin()),
                                           std::make_move_iterator(taken.end())));
    }
    if (!folder.isEmpty())
        emit progress(count_, folder);
    if (done) {
        mailbox_.reset();
        poll_.stop();
        emit finished();
    }
}

} // namespace browser
