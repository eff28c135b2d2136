#include "browser/model/ViewerPictures.h"

#include "shared/ImageFile.h"

#include <mutex>
#include <thread>
#include <vector>

namespace browser {

// Where the reading threads leave their pictures. They keep it alive themselves; pictures
// change hands under `lock`, and the queued call only wakes the viewer and carries nothing.
// Once the viewer has gone (`owner` cleared) nobody is woken.
struct ViewerPictures::Mailbox {
    std::mutex lock;
    ViewerPictures* owner = nullptr;
    std::vector<std::pair<QString, QImage>> outbox;
    bool wakePending = false;

    void deliver(QString path, QImage picture) {
        std::lock_guard guard(lock);
        outbox.emplace_back(std::move(path), std::move(picture));
        if (owner == nullptr || wakePending)
            return;
        wakePending = true;
        QMetaObject::invokeMethod(owner, "takeRead", Qt::QueuedConnection);
    }
};

ViewerPictures::ViewerPictures(QSize screen, Decoder decoder, QObject* parent)
    : QObject(parent), screen_(screen),
      decoder_(decoder ? std::move(decoder) : &quillax::ImageFile::decodeToFit),
      mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->owner = this;
}

ViewerPictures::~ViewerPictures() {
    std::lock_guard guard(mailbox_->lock);
    mailbox_->owner = nullptr;
}

void ViewerPictures::takeRead() {
    std::vector<std::pair<QString, QImage>> taken;
    {
        std::lock_guard guard(mailbox_->lock);
        taken.swap(mailbox_->outbox);
        mailbox_->wakePending = false;
    }
    for (auto& [path, picture] : taken)
        read(path, picture);
}

void ViewerPictures::want(const QString& path) {
    wanted_ = path;
    keepOnly(wanted_, ahead_);
    if (kept_.contains(path))
        emit ready(path, kept_.value(path));
    else
        startReading(path);
}

void ViewerPictures::readAhead(const QString& path) {
    ahead_ = path;
    keepOnly(wanted_, ahead_);
    if (!path.isEmpty() && !kept_.contains(path))
        startReading(path);
}

void ViewerPictures::keepOnly(const QString& wanted, const QString& ahead) {
    for (auto it = kept_.begin(); it != kept_.end();)
        it = it.key() == wanted || it.key() == ahead ? std::next(it) : kept_.erase(it);
}

void ViewerPictures::startReading(const QString& path) {
    if (reading_.contains(path))
        return;
    reading_.insert(path);
    // A thread of its own that nobody waits for: a read stuck on a stalled disk keeps neither
    // the viewer nor the program from closing.
    std::thread([mailbox = mailbox_, decoder = decoder_, path, screen = screen_] {
        mailbox->deliver(path, decoder(path, screen));
    }).detach();
}

void ViewerPictures::read(const QString& path, const QImage& picture) {
    reading_.remove(path);
    if (path != wanted_ && path != ahead_)
        return; // stepped past meanwhile
    kept_.insert(path, picture);
    if (path == wanted_)
        emit ready(path, picture);
}

} // namespace browser
