#pragma once
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

namespace quillax {

// Makes thumbnails away from the interface thread, one at a time, and hands back only the
// newest one asked for: walking a folder with the arrow keys asks for many, and the ones
// passed over are never made, or are dropped when they finish late.
class PreviewLoader : public QObject {
    Q_OBJECT
  public:
    using Decoder = std::function<QImage(const QString& path)>;
    // The decoder runs on a worker thread; by default it is PicturePreview::thumbnailOf.
    explicit PreviewLoader(QObject* parent = nullptr, Decoder decoder = {});

    void request(const QString& path);
    // Nothing asked for so far is handed back.
    void cancel();

  signals:
    void loaded(const QString& path, const QImage& thumbnail);

  private:
    void startNext();
    void finished(quint64 generation, const QString& path, const QImage& thumbnail);

    Decoder decoder_;
    QString pending_;
    bool hasPending_ = false;
    bool busy_ = false;
    quint64 generation_ = 0;
};

} // namespace quillax
