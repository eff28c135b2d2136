#pragma once
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

namespace browser {

// The full-screen viewer's pictures, decoded away from the interface thread at the size the
// screen shows them, upright. The next picture is read while the current one is looked at,
// so that a step shows it at once; a picture stepped past before it was read is dropped when
// it comes, and a disk that stalls holds up neither the window nor its closing.
class ViewerPictures : public QObject {
    Q_OBJECT
  public:
    // Runs on a worker thread: the picture at `path` fitted into the screen, or a null image.
    using Decoder = std::function<QImage(const QString& path, QSize screen)>;
    explicit ViewerPictures(QSize screen, Decoder decoder = {}, QObject* parent = nullptr);
    ~ViewerPictures() override;

    // The picture to show now: `ready` comes at once when it was read ahead, else when read.
    void want(const QString& path);
    // A picture likely wanted next, read and kept until then.
    void readAhead(const QString& path);
    bool isKept(const QString& path) const { return kept_.contains(path); }

    // Takes what the reading threads have left (they wake the viewer with this).
    Q_INVOKABLE void takeRead();

  signals:
    // The wanted picture; a null image when the file could not be read as one.
    void ready(const QString& path, const QImage& picture);

  private:
    struct Mailbox;

    void startReading(const QString& path);
    void read(const QString& path, const QImage& picture);
    // Only the wanted picture and the one read ahead are kept.
    void keepOnly(const QString& wanted, const QString& ahead);

    QSize screen_;
    Decoder decoder_;
    QHash<QString, QImage> kept_;
    QSet<QString> reading_;
    QString wanted_;
    QString ahead_;
    std::shared_ptr<Mailbox> mailbox_;
};

} // namespace browser
