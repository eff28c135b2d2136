#include "browser/model/ThumbnailMaker.h"

#include "browser/model/ThumbnailGeometry.h"
#include "shared/ImageFile.h"
#include "shared/codecs/ByteReader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cstring>

namespace browser {

namespace {

// The JPEG thumbnail inside an EXIF block (IFD1's JPEGInterchangeFormat), or nothing.
QByteArray exifThumbnail(const QByteArray& head) {
    const auto* b = reinterpret_cast<const uint8_t*>(head.constData());
    codecs::ByteReader r({b, size_t(head.size())});
    if (r.u16be() != 0xFFD8)
        return {};
    while (!r.failed()) {
        const int marker = r.u16be();
        if ((marker & 0xFF00) != 0xFF00 || marker == 0xFFDA)
            return {};
        const int length = r.u16be();
        const size_t segment = r.position();
        if (marker == 0xFFE1 && length > 16) {
            const auto exif = r.take(size_t(length - 2));
            if (r.failed() || std::memcmp(exif.data(), "Exif\0\0", 6) != 0)
                return {};
            const auto tiff = exif.subspan(6);
            codecs::ByteReader t(tiff);
            const bool little = t.u16le() == 0x4949;
            auto u16 = [&] { return little ? t.u16le() : t.u16be(); };
            auto u32 = [&] { return little ? t.u32le() : t.u32be(); };
            u16();
            t.seek(u32());
            t.skip(size_t(u16()) * 12); // IFD0's entries
            const uint32_t ifd1 = u32();
            if (t.failed() || ifd1 == 0 || !t.seek(ifd1))
                return {};
            uint32_t offset = 0, size = 0;
            for (int n = u16(), i = 0; i < n && !t.failed(); ++i) {
                const int tag = u16();
                u16();
                u32();
                const uint32_t value = u32();
                if (tag == 0x0201)
                    offset = value;
                else if (tag == 0x0202)
                    size = value;
            }
            if (t.failed() || size == 0 || offset + size > tiff.size())
                return {};
            return QByteArray(reinterpret_cast<const char*>(tiff.data() + offset), qsizetype(size));
        }
        if (!r.seek(segment + size_t(length - 2)))
            return {};
    }
    return {};
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

QImage readJpegReduced(const QString& path, int cellWidth, int cellHeight) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
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

    const QByteArray embedded = exifThumbnail(head);
    if (!embedded.isEmpty()) {
        const QImage thumb = QImage::fromData(embedded, "jpeg");
        // Only when it is big enough and shows the same shape (some cameras pad theirs).
        const bool sameShape = !thumb.isNull() && std::abs(double(thumb.width()) / thumb.height() -
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

QImage ThumbnailMaker::readReduced(const QString& path, int cellWidth, int cellHeight) {
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (format == quillax::kJpeg)
        return readJpegReduced(path, cellWidth, cellHeight);
    if (format == quillax::kUnknownFormat)
        return {};
    return quillax::ImageFile::decode(path, format).image;
}

QImage ThumbnailMaker::makeCell(const QString& path) {
    const QImage picture = readReduced(path, ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight);
    if (picture.isNull())
        return {};
    QImage cell(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(ThumbnailGeometry::drawRect(picture.width(), picture.height()), picture);
    painter.setPen(QColor(192, 192, 192));
    painter.drawRect(0, 0, cell.width() - 1, cell.height() - 1);
    return cell;
}

} // namespace browser
