#include "shared/ImageFile.h"

#include "shared/RegularFile.h"

#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "shared/codecs/GifWriter.h"
#include "shared/codecs/Jpeg2000Codec.h"
#include "shared/codecs/PcxCodec.h"
#include "shared/codecs/PgxCodec.h"
#include "shared/codecs/StandardHeaders.h"
#include "shared/codecs/SunRasterCodec.h"
#include "shared/codecs/TgaCodec.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <cstring>
#include <mutex>

namespace quillax {

namespace {

std::span<const uint8_t> spanOf(const QByteArray& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())};
}

QByteArray readWhole(const QString& path) {
    QFile file;
    if (!openRegularFile(path, file, ImageFile::kMaxFileBytes))
        return {};
    // Never more than the file said it held when it was opened, even if it grows meanwhile.
    return file.read(file.size());
}

// The name Qt's image plugins know a format by; empty where Qt is not used to read it.
QByteArray qtFormatName(ImageFormat format) {
    switch (format) {
    case kGif:
        return "gif";
    case kJpeg:
        return "jpeg";
    case kPng:
        return "png";
    case kIco:
        return "ico";
    case kTiff:
        return "tiff";
    case kWbmp:
        return "wbmp";
    case kPnm:
        return "pnm"; // any of pbm, pgm, ppm: told apart by content
    default:
        return {};
    }
}

std::optional<codecs::ImageHeader> peek(std::span<const uint8_t> bytes, ImageFormat format) {
    switch (format) {
    case kBmp: {
        const auto info = imaging::peekBmp(bytes);
        if (!info)
            return std::nullopt;
        return codecs::ImageHeader{info->width, info->height,
                                   info->bitsPerPixel == 32 ? 24 : info->bitsPerPixel};
    }
    case kGif:
        return codecs::peekGif(bytes);
    case kJpeg:
        return codecs::peekJpeg(bytes);
    case kPng:
        return codecs::peekPng(bytes);
    case kIco:
        return codecs::peekIco(bytes);
    case kTiff:
        return codecs::peekTiff(bytes);
    case kTga:
        return codecs::peekTga(bytes);
    case kPcx:
        return codecs::peekPcx(bytes);
    case kWbmp:
        return codecs::peekWbmp(bytes);
    case kJpeg2000File:
    case kJpeg2000Stream:
        return codecs::peekJpeg2000(bytes);
    case kPgx:
        return codecs::peekPgx(bytes);
    case kPnm:
        return codecs::peekPnm(bytes);
    case kRas:
        return codecs::peekSunRaster(bytes);
    default:
        return std::nullopt;
    }
}

bool isComplete(std::span<const uint8_t> bytes, ImageFormat format) {
    switch (format) {
    case kJpeg:
        return codecs::isCompleteJpeg(bytes);
    case kPng:
        return codecs::isCompletePng(bytes);
    case kGif:
        return codecs::isCompleteGif(bytes);
    default:
        return true; // our own readers and Qt's others refuse cut-off files themselves
    }
}

QImage fromPicture(const imaging::DibImage& picture, bool hasAlpha) {
    if (!hasAlpha)
        return toQImage(picture);
    QImage out(picture.width(), picture.height(), QImage::Format_ARGB32);
    if (out.isNull())
        return {};
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(out.scanLine(y), picture.row(y), size_t(picture.width()) * 4);
    return out;
}

QImage decodeOwn(std::span<const uint8_t> bytes, ImageFormat format) {
    switch (format) {
    case kBmp: {
        const auto image = imaging::decodeBmp(bytes);
        return image ? toQImage(*image) : QImage();
    }
    case kTga: {
        const auto decoded = codecs::decodeTga(bytes);
        return decoded ? fromPicture(decoded->image, decoded->hasAlpha) : QImage();
    }
    case kPcx: {
        const auto image = codecs::decodePcx(bytes);
        return image ? toQImage(*image) : QImage();
    }
    case kRas: {
        const auto image = codecs::decodeSunRaster(bytes);
        return image ? toQImage(*image) : QImage();
    }
    case kPgx: {
        const auto image = codecs::decodePgx(bytes);
        return image ? toQImage(*image) : QImage();
    }
    case kJpeg2000File:
    case kJpeg2000Stream: {
        const auto image = codecs::decodeJpeg2000(bytes);
        return image ? toQImage(*image) : QImage();
    }
    default:
        return {};
    }
}

QImage decodeWithQt(const QByteArray& bytes, ImageFormat format) {
    // Qt's own default refuses pictures over 128 MB decoded, which ordinary large photos
    // exceed; our size guard below takes its place. Set once: decoders run on several threads.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(2048); });
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format == kPnm ? QByteArray() : qtFormatName(format));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !codecs::isSaneSize(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !codecs::isSaneSize(image.width(), image.height()))
        return {};
    return image;
}

} // namespace

DecodedImage ImageFile::decodeBytes(const QByteArray& bytes, ImageFormat format) {
    DecodedImage out;
    if (bytes.isEmpty() || format == kUnknownFormat || format == kWmf)
        return out;
    const auto header = peek(spanOf(bytes), format);
    if (!header || !codecs::isSaneSize(header->width, header->height) ||
        !isComplete(spanOf(bytes), format))
        return out;
    out.image = qtFormatName(format).isEmpty() ? decodeOwn(spanOf(bytes), format)
                                               : decodeWithQt(bytes, format);
    out.bitsPerPixel = header->bitsPerPixel;
    return out;
}

DecodedImage ImageFile::decode(const QString& path, ImageFormat format) {
    if (format == kUnknownFormat || format == kWmf)
        return {};
    return decodeBytes(readWhole(path), format);
}

ImageInfo ImageFile::infoBytes(const QByteArray& bytes, ImageFormat format) {
    const auto header = peek(spanOf(bytes), format);
    if (!header || header->width <= 0 || header->height <= 0)
        return {};
    ImageInfo info{header->width, header->height, header->bitsPerPixel};
    if (format == kJpeg || format == kTiff) {
        // A turned photo is shown upright: its size is the turned one.
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, qtFormatName(format));
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            std::swap(info.width, info.height);
    }
    return info;
}

namespace {

QSize fittedInto(QSize picture, QSize box) {
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    return picture.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// Asked for a smaller size, Qt's JPEG reader decodes at the largest fraction (down to an
// eighth) that still covers it: a 24-megapixel photo costs about a sixty-fourth of its decode.
QImage reducedJpeg(const QString& path, QSize box) {
    QFile file;
    if (!openRegularFile(path, file, ImageFile::kMaxFileBytes))
        return {};
    QImageReader reader(&file, "jpeg");
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shown = fittedInto(quarterTurn ? stored.transposed() : stored, box);
    reader.setScaledSize(quarterTurn ? shown.transposed() : shown);
    return reader.read();
}

} // namespace

QImage ImageFile::decodeToFit(const QString& path, QSize box) {
    const ImageFormat format = imageTypeFromName(path);
    QImage picture = format == kJpeg ? reducedJpeg(path, box) : QImage();
    if (picture.isNull())
        picture = decode(path, format).image;
    if (picture.isNull())
        return {};
    return scaledSmoothly(picture, fittedInto(picture.size(), box));
}

QImage ImageFile::scaledSmoothly(QImage picture, QSize size) {
    picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return size == picture.size()
               ? picture
               : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

ImageInfo ImageFile::info(const QString& path, ImageFormat format) {
    if (format == kUnknownFormat || format == kWmf)
        return {};
    QFile file;
    if (!openRegularFile(path, file, kMaxFileBytes))
        return {};
    // Headers sit at the start, except for TIFF directories and PCX palettes; read what the
    // format needs.
    if (format == kJpeg) {
        // The frame header follows the EXIF block, which rarely runs past the first 256 KB;
        // only then is the whole photo read.
        const ImageInfo info = infoBytes(file.read(256 * 1024), format);
        if (info.isValid() || file.atEnd())
            return info;
        file.seek(0);
    }
    const bool whole =
        format == kTiff || format == kJpeg2000File || format == kJpeg2000Stream || format == kJpeg;
    return infoBytes(whole ? file.readAll() : file.read(4096), format);
}

namespace {

bool writeBytes(const std::string& bytes, const QString& path) {
    if (bytes.empty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeWithQt(const QImage& image, const QString& path, const QByteArray& format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(92);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool ImageFile::save(const QImage& image, const QString& path, ImageFormat format) {
    if (image.isNull() || path.isEmpty())
        return false;
    switch (format) {
    case kBmp:
        return writeBytes(imaging::encodeBmp(fromQImage(image)), path);
    case kGif:
        return writeBytes(codecs::encodeGif(fromQImage(image)), path);
    case kPcx:
        return writeBytes(codecs::encodePcx(fromQImage(image)), path);
    case kTga:
        return writeBytes(codecs::encodeTga(fromQImage(image)), path);
    case kJpeg:
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), path, "jpeg");
    case kPng:
        return writeWithQt(image, path, "png");
    case kTiff:
        return writeWithQt(image, path, "tiff");
    case kWbmp:
        return writeWithQt(image, path, "wbmp");
    case kPnm:
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), path, "ppm");
    case kIco: {
        // Icons are at most 256 pixels a side; a page is made to fit.
        const QImage icon =
            image.width() > 256 || image.height() > 256
                ? image.scaled(256, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : image;
        return writeWithQt(icon, path, "ico");
    }
    default:
        return false;
    }
}

} // namespace quillax
