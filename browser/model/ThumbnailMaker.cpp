#include "browser/model/ThumbnailMaker.h"

#include "browser/model/ThumbnailCache.h"
#include "browser/model/ThumbnailGeometry.h"
#include "shared/ImageFile.h"
#include "shared/RegularFile.h"
#include "shared/codecs/ExifThumbnail.h"
#include "shared/codecs/StandardHeaders.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace browser {

namespace {

// What a file gave: the picture to draw and the size of the photo it stands for.
struct Reduced {
    QImage picture;
    QSize original;
    // The camera's own thumbnail: it stands for the photo as it was taken, so it is drawn but
    // never handed on to the shared cache as the photo's.
    bool embedded = false;
};

// The size a photo is brought down to: the cache's thumbnail size, never enlarged.
QSize thumbnailSize(QSize original) {
    if (original.width() <= ThumbnailCache::kNormalSize &&
        original.height() <= ThumbnailCache::kNormalSize)
        return original;
    return original
        .scaled(ThumbnailCache::kNormalSize, ThumbnailCache::kNormalSize, Qt::KeepAspectRatio)
        .expandedTo(QSize(1, 1));
}

// The fraction a JPEG decoder reads at for a wanted size: the largest of 1/1, 1/2, 1/4 and 1/8
// that still gives at least that size.
int jpegScaleDenominator(QSize stored, QSize wanted) {
    const int room = std::min(stored.width() / std::max(1, wanted.width()),
                              stored.height() / std::max(1, wanted.height()));
    return room >= 8 ? 8 : room >= 4 ? 4 : room >= 2 ? 2 : 1;
}

// Turns an embedded thumbnail as the photo itself is turned for showing.
QImage oriented(QImage image, QImageIOHandler::Transformations t) {
    if (t & QImageIOHandler::TransformationMirror)
        image = image.mirrored(true, false);
    if (t & QImageIOHandler::TransformationFlip)
        image = image.mirrored(false, true);
    if (t & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// The camera's thumbnail, when it is big enough for a cell and shows the photo's shape (some
// cameras pad theirs with black bars).
QImage usableEmbeddedThumbnail(const QByteArray& head, QSize stored) {
    const auto embedded = codecs::exifThumbnail(
        {reinterpret_cast<const uint8_t*>(head.constData()), size_t(head.size())});
    if (embedded.empty())
        return {};
    const QImage thumb = QImage::fromData(embedded.data(), int(embedded.size()), "jpeg");
    const bool sameShape =
        !thumb.isNull() && std::abs(double(thumb.width()) / thumb.height() -
                                    double(stored.width()) / stored.height()) < 0.02;
    const bool bigEnough = std::min(thumb.width(), thumb.height()) >=
                           std::min(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight);
    return sameShape && bigEnough ? thumb : QImage();
}

// Whether a JPEG file runs to its end-of-image marker. Most end with it, which two bytes tell;
// only the others (a camera's trailer after it, or a cut-off file) are walked through, so that
// a photo whose embedded thumbnail serves is not read whole for this.
bool isWholeJpeg(QFile& file) {
    const qint64 size = file.size();
    if (size >= 4 && file.seek(size - 2) && file.read(2) == QByteArray("\xFF\xD9", 2))
        return true;
    // Read, not mapped: a program that rewrites the photo meanwhile would cut a mapping short,
    // and touching the lost pages ends the whole browser with a bus error.
    if (!file.seek(0))
        return false;
    const QByteArray whole = file.read(size);
    return codecs::isCompleteJpeg(
        {reinterpret_cast<const uint8_t*>(whole.constData()), size_t(whole.size())});
}

Reduced readJpeg(const QString& path) {
    QFile file;
    if (!quillax::openRegularFile(path, file, quillax::ImageFile::kMaxFileBytes))
        return {};
    // Cameras put their EXIF block at the very start.
    const QByteArray head = file.read(64 * 1024);
    // A cut-off photo decodes to a partial picture with a grey end; the preview refuses it,
    // so the cell does too, and no partial picture reaches the shared cache.
    if (!isWholeJpeg(file))
        return {};
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    const QImageIOHandler::Transformations turn = reader.transformation();
    const bool quarter = turn & QImageIOHandler::TransformationRotate90;
    const QSize shown = quarter ? stored.transposed() : stored;

    const QImage embedded = usableEmbeddedThumbnail(head, stored);
    if (!embedded.isNull())
        return {oriented(embedded, turn), shown, true};
    // Let the decoder scale while it reads (a fraction of the work), plainly and fast.
    const QSize target = thumbnailSize(shown);
    reader.setScaledSize(quarter ? target.transposed() : target);
    reader.setQuality(25);
    return {reader.read(), shown, false};
}

Reduced readWhole(const QString& path, quillax::ImageFormat format) {
    const QImage image = quillax::ImageFile::decode(path, format).image;
    if (image.isNull())
        return {};
    return {quillax::ImageFile::scaledSmoothly(image, thumbnailSize(image.size())), image.size(),
            false};
}

Reduced readReduced(const QString& path) {
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (format == quillax::kJpeg)
        return readJpeg(path);
    if (format == quillax::kUnknownFormat)
        return {};
    return readWhole(path, format);
}

} // namespace

int64_t ThumbnailMaker::decodingBytes(const QString& path) {
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    const quillax::ImageInfo info = quillax::ImageFile::info(path, format);
    if (!info.isValid())
        return 0;
    const QSize stored(info.width, info.height);
    const int64_t whole = int64_t(stored.width()) * stored.height() * 4;
    if (format != quillax::kJpeg)
        return whole;
    const int d = jpegScaleDenominator(stored, thumbnailSize(stored));
    // Beside the reduced picture, the head read for the EXIF thumbnail.
    return whole / (d * d) + 64 * 1024;
}

QImage ThumbnailMaker::drawCell(const QImage& picture, QSize original) {
    QImage cell(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight,
                QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(ThumbnailGeometry::drawRect(original.width(), original.height()), picture);
    painter.setPen(QColor(192, 192, 192));
    painter.drawRect(0, 0, cell.width() - 1, cell.height() - 1);
    return cell;
}

QImage ThumbnailMaker::makeCell(const QString& path, const ThumbnailCache* cache) {
    // Taken before anything is read: a file changed meanwhile is then made again next time.
    const ThumbnailCache::Stamp stamp = cache != nullptr && cache->serves(path)
                                            ? ThumbnailCache::stampOf(path)
                                            : ThumbnailCache::Stamp{};
    if (stamp.valid) {
        const ThumbnailCache::Entry entry = cache->find(path, stamp);
        if (entry.kind == ThumbnailCache::Entry::Found)
            return drawCell(entry.picture, entry.original);
        if (entry.kind == ThumbnailCache::Entry::Failed)
            return {};
    }
    const Reduced reduced = readReduced(path);
    if (reduced.picture.isNull()) {
        if (stamp.valid)
            cache->storeFailure(path, stamp);
        return {};
    }
    if (stamp.valid && !reduced.embedded)
        cache->store(path, stamp, reduced.picture, reduced.original);
    return drawCell(reduced.picture, reduced.original);
}

} // namespace browser
