#include "browser/model/ViewerPictures.h"

#include "shared/ImageFile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace browser {

ViewerPictures::ViewerPictures(QSize screen, Decoder decoder, QObject* parent)
    : QObject(parent), screen_(screen),
      decoder_(decoder ? std::move(decoder) : &quillax::ImageFile::decodeToFit) {
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
    QPointer<ViewerPictures> self(this);
    // The result goes back through the application object, which outlives the viewer; the
    // viewer may be gone by then, which the guard sees on the interface thread.
    QThreadPool::globalInstance()->start([self, decoder = decoder_, path, screen = screen_] {
        const QImage picture = decoder(path, screen);
        QCoreApplication* const application = QCoreApplication::instance();
        if (application == nullptr)
            return;
        QMetaObject::invokeMethod(
            application,
            [self, path, picture] {
                if (self)
                    self->read(path, picture);
            },
            Qt::QueuedConnection);
    });
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
