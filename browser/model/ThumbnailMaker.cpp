#include "browser/model/ThumbnailMaker.h"

#include "browser/model/ThumbnailGeometry.h"
#include "shared/ImageFile.h"
#include "shared/codecs/ExifThumbnail.h"

#include "shared/RegularFile.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace browser {

namespace {

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

QImage readJpegReduced(const QString& path, int cellWidth, int cellHeight) {
    QFile file;
    if (!quillax::openRegularFile(path, file, quillax::ImageFile::kMaxFileBytes))
        return {};
    // Cameras put their EXIF block at the very start.
    const QByteArray head = file.read(64 * 1024);
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    const QImageIOHandler::Transformations turn = reader.transformation();
    const bool quarter = turn & QImageIOHandler::TransformationRotate90;

    const auto embedded = codecs::exifThumbnail(
        {reinterpret_cast<const uint8_t*>(head.constData()), size_t(head.size())});
    if (!embedded.empty()) {
        const QImage thumb = QImage::fromData(embedded.data(), int(embedded.size()), "jpeg");
        // Only when it is big enough and shows the same shape (some cameras pad theirs).
        const bool sameShape =
            !thumb.isNull() && std::abs(double(thumb.width()) / thumb.height() -
                                        double(stored.width()) / stored.height()) < 0.02;
        if (sameShape && std::min(thumb.width(), thumb.height()) >= std::min(cellWidth, cellHeight))
            return oriented(thumb, turn);
    }
    // Let the decoder scale while it reads (a fraction of the work), plainly and fast.
    const QSize shown = quarter ? stored.transposed() : stored;
    const QSize target = ThumbnailGeometry::drawRect(shown.width(), shown.height()).size();
    reader.setScaledSize(quarter ? target.transposed() : target);
    reader.setQuality(25);
    return reader.read();
}

} // namespace

int64_t ThumbnailMaker::decodingBytes(const QString& path) {
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    const quillax::ImageInfo info = quillax::ImageFile::info(path, format);
    if (!info.isValid())
        return 0;
    const int64_t whole = int64_t(info.width) * info.height * 4;
    return format == quillax::kJpeg ? whole / 64 + 64 * 1024 : whole;
}

QImage ThumbnailMaker::readReduced(const QString& path, int cellWidth, int cellHeight) {
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (format == quillax::kJpeg)
        return readJpegReduced(path, cellWidth, cellHeight);
    if (format == quillax::kUnknownFormat)
        return {};
    return quillax::ImageFile::decode(path, format).image;
}

QImage ThumbnailMaker::makeCell(const QString& path) {
    const QImage picture =
        readReduced(path, ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight);
    if (picture.isNull())
        return {};
    QImage cell(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight,
                QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(ThumbnailGeometry::drawRect(picture.width(), picture.height()), picture);
    painter.setPen(QColor(192, 192, 192));
    painter.drawRect(0, 0, cell.width() - 1, cell.height() - 1);
    return cell;
}

} // namespace browser
