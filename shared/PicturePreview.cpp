#include "shared/PicturePreview.h"

#include <QFileInfo>

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

QImage PicturePreview::thumbnailOf(const QString& path) {
    const ImageFormat format = imageTypeFromName(path);
    const ImageInfo info = ImageFile::info(path, format);
    if (!info.isValid())
        return {};
    const QSize size = thumbnailRect(QRect(QPoint(), kAreaSize), {info.width, info.height}).size();
    const QImage picture = ImageFile::decodeToFit(path, size);
    if (picture.isNull())
        return {};
    // Fitted by the panel's own rule, which may differ from a plain fit by a pixel.
    return picture.size() == size
               ? picture
               : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace quillax
