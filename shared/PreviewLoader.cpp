#include "shared/PreviewLoader.h"

#include "shared/PicturePreview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace quillax {

PreviewLoader::PreviewLoader(QObject* parent, Decoder decoder)
    : QObject(parent), decoder_(decoder ? std::move(decoder) : &PicturePreview::thumbnailOf) {
}

void PreviewLoader::request(const QString& path) {
    ++generation_;
    pending_ = path;
    hasPending_ = true;
    if (!busy_)
        startNext();
}

void PreviewLoader::cancel() {
    ++generation_;
    hasPending_ = false;
}

void PreviewLoader::startNext() {
    busy_ = true;
    hasPending_ = false;
    const quint64 generation = generation_;
    QPointer<PreviewLoader> self(this);
    // The result goes back through the application object, which outlives any dialog; the
    // loader itself may be gone by then, which the guard sees on the interface thread.
    QThreadPool::globalInstance()->start([self, decoder = decoder_, path = pending_, generation] {
        const QImage thumbnail = decoder(path);
        QCoreApplication* const application = QCoreApplication::instance();
        if (application == nullptr) // the program is ending
            return;
        QMetaObject::invokeMethod(
            application,
            [self, generation, path, thumbnail] {
                if (self)
                    self->finished(generation, path, thumbnail);
            },
            Qt::QueuedConnection);
    });
}

void PreviewLoader::finished(quint64 generation, const QString& path, const QImage& thumbnail) {
    busy_ = false;
    if (generation == generation_)
        emit loaded(path, thumbnail);
    if (hasPending_)
        startNext();
}

} // namespace quillax
