#include "shared/PicturePreview.h"

#include "shared/RegularFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace quillax {

QString PicturePreview::colourText(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return QStringLiteral("Colors: 2 (monocromatic)");
    case 4:
        return QStringLiteral("Colors: 16");
    case 8:
        return QStringLiteral("Colors: 256");
    case 16:
        return QStringLiteral("Colors: 65,536");
    case 24:
        return QStringLiteral("Colors: 16 millions");
    default:
        return {};
    }
}

PicturePreview::Texts PicturePreview::textsFor(const ImageInfo& info, qint64 fileBytes) {
    if (!info.isValid())
        return {};
    return {QStringLiteral("Width: %1 pixels").arg(info.width),
            QStringLiteral("Height: %1 pixels").arg(info.height), colourText(info.bitsPerPixel),
            QStringLiteral("Size: %1 Kb").arg(fileBytes / 1024)};
}

PicturePreview::Texts PicturePreview::textsOf(const QString& path) {
    const ImageFormat format = imageTypeFromName(path);
    if (format == kUnknownFormat)
        return {};
    // ImageFile::info opens regular files only, so a FIFO gives no texts rather than a hang.
    return textsFor(ImageFile::info(path, format), QFileInfo(path).size());
}

QRect PicturePreview::thumbnailRect(QRect area, QSize picture) {
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0)
        return {};
    const int areaWidth = area.width(), areaHeight = area.height();
    const int widthWhenAsTall = int(qint64(areaHeight) * w / h);
    const int heightWhenAsWide = int(qint64(areaWidth) * h / w);
    const bool asTall = w <= h ? widthWhenAsTall <= areaWidth : heightWhenAsWide > areaHeight;
    if (asTall)
        return {area.left() + (areaWidth - widthWhenAsTall) / 2, area.top(),
                std::max(1, widthWhenAsTall), areaHeight};
    return {area.left(), area.top() + (areaHeight - heightWhenAsWide) / 2, areaWidth,
            std::max(1, heightWhenAsWide)};
}

namespace {

// Asked for a smaller size, Qt's JPEG reader decodes at the largest fraction (down to an
// eighth) that still covers it: a 24-megapixel photo costs about a sixty-fourth of its decode.
QImage reducedJpeg(const QString& path, QSize thumbnail) {
    QFile file;
    if (!openRegularFile(path, file, ImageFile::kMaxFileBytes))
        return {};
    QImageReader reader(&file, "jpeg");
    reader.setAutoTransform(true);
    const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
    reader.setScaledSize(quarterTurn ? thumbnail.transposed() : thumbnail);
    return reader.read();
}

} // namespace

QImage PicturePreview::thumbnailOf(const QString& path) {
    const ImageFormat format = imageTypeFromName(path);
    const ImageInfo info = ImageFile::info(path, format);
    if (!info.isValid())
        return {};
    const QSize size = thumbnailRect(QRect(QPoint(), kAreaSize), {info.width, info.height}).size();
    QImage picture = format == kJpeg ? reducedJpeg(path, size) : QImage();
    if (picture.isNull())
        picture = ImageFile::decode(path, format).image;
    if (picture.isNull())
        return {};
    // Scaling keeps a palette picture's depth, and would draw a two-colour one in black and
    // white whatever its colours: scale true colour.
    picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace quillax
