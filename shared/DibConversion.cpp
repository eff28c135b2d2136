#include "shared/DibConversion.h"

#include "imaging/BmpFile.h"

#include <QFile>
#include <cstring>

namespace quillax {

QImage toQImage(const imaging::DibImage& image) {
    if (image.isEmpty())
        return {};
    if (image.bitsPerPixel() == 24) {
        // Qt's BGR888 is the same byte order as the rows, so rows copy straight across.
        QImage out(image.width(), image.height(), QImage::Format_BGR888);
        if (out.isNull())
            return {};
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(out.scanLine(y), image.row(y), size_t(image.width()) * 3);
        return out.convertToFormat(QImage::Format_RGB32);
    }
    imaging::DibImage deep(image);
    deep.toDepth32();
    QImage out(deep.width(), deep.height(), QImage::Format_RGB32);
    if (out.isNull())
        return {};
    for (int y = 0; y < deep.height(); ++y)
        std::memcpy(out.scanLine(y), deep.row(y), size_t(deep.width()) * 4);
    return out;
}

imaging::DibImage fromQImage(const QImage& source, int bitsPerPixel) {
    imaging::DibImage out;
    if (source.isNull())
        return out;
    QImage flat = source;
    if (flat.hasAlphaChannel()) {
        QImage onWhite(flat.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QImage premultiplied = flat.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < flat.height(); ++y) {
            const QRgb* s = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
            QRgb* d = reinterpret_cast<QRgb*>(onWhite.scanLine(y));
            for (int x = 0; x < flat.width(); ++x) {
                const int a = qAlpha(s[x]);
                d[x] = qRgb(qRed(s[x]) + 255 - a, qGreen(s[x]) + 255 - a, qBlue(s[x]) + 255 - a);
            }
        }
        flat = onWhite;
    }
    const bool deep32 = bitsPerPixel == 32;
    if (!deep32 &&
        (flat.format() == QImage::Format_RGB32 || flat.format() == QImage::Format_ARGB32)) {
        // Decoded photos arrive as 32 bits: one pass straight into the 24-bit rows.
        if (!out.create(flat.width(), flat.height(), 24))
            return {};
        for (int y = 0; y < flat.height(); ++y) {
            const QRgb* s = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
            uint8_t* d = out.row(y);
            for (int x = 0; x < flat.width(); ++x, d += 3) {
                d[0] = uint8_t(qBlue(s[x]));
                d[1] = uint8_t(qGreen(s[x]));
                d[2] = uint8_t(qRed(s[x]));
            }
        }
        return out;
    }
    flat = flat.convertToFormat(deep32 ? QImage::Format_RGB32 : QImage::Format_BGR888);
    if (flat.isNull() || !out.create(flat.width(), flat.height(), deep32 ? 32 : 24))
        return {};
    const size_t bytes = size_t(flat.width()) * (deep32 ? 4 : 3);
    for (int y = 0; y < flat.height(); ++y) {
        std::memcpy(out.row(y), flat.constScanLine(y), bytes);
        if (deep32) {
            uint8_t* p = out.row(y);
            for (int x = 0; x < flat.width(); ++x)
                p[x * 4 + 3] = 0;
        }
    }
    return out;
}

imaging::DibImage loadBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    auto image = imaging::decodeBmp(
        std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
    return image ? std::move(*image) : imaging::DibImage();
}

QColor toQColor(imaging::ColorRef colour) {
    return QColor(imaging::redOf(colour), imaging::greenOf(colour), imaging::blueOf(colour));
}

} // namespace quillax
