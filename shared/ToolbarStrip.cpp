#include "shared/ToolbarStrip.h"

#include "shared/DibConversion.h"

#include <QFileInfo>

namespace quillax {

QList<QImage> ToolbarStrip::cut(const imaging::DibImage& strip, int pictureWidth) {
    QList<QImage> pictures;
    if (strip.isEmpty() || pictureWidth <= 0)
        return pictures;
    imaging::DibImage deep(strip);
    deep.toDepth24();
    const uint8_t* first = deep.pixels();
    const QRgb key = qRgb(first[2], first[1], first[0]);
    QImage whole = toQImage(deep).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < whole.height(); ++y) {
        QRgb* p = reinterpret_cast<QRgb*>(whole.scanLine(y));
        for (int x = 0; x < whole.width(); ++x) {
            if ((p[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                p[x] = 0;
        }
    }
    for (int x = 0; x + pictureWidth <= whole.width(); x += pictureWidth)
        pictures.append(whole.copy(x, 0, pictureWidth, whole.height()));
    return pictures;
}

QList<QImage> ToolbarStrip::load(const QString& path, int pictureWidth) {
    return cut(loadBmp(path), pictureWidth);
}

namespace {
QString doubled(const QString& path) {
    const QFileInfo info(path);
    return info.path() + "/" + info.completeBaseName() + "@2x." + info.suffix();
}
} // namespace

QList<QIcon> ToolbarStrip::icons(const QString& normalPath, const QString& disabledPath,
                                 int pictureWidth) {
    const QList<QImage> normal = load(normalPath, pictureWidth);
    const QList<QImage> disabled = load(disabledPath, pictureWidth);
    const QList<QImage> normal2 = load(doubled(normalPath), pictureWidth * 2);
    const QList<QImage> disabled2 = load(doubled(disabledPath), pictureWidth * 2);
    QList<QIcon> icons;
    for (qsizetype i = 0; i < normal.size(); ++i) {
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(normal[i]), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(normal[i]), QIcon::Active);
        if (i < normal2.size()) {
            QPixmap big = QPixmap::fromImage(normal2[i]);
            big.setDevicePixelRatio(2.0);
            icon.addPixmap(big, QIcon::Normal);
            icon.addPixmap(big, QIcon::Active);
        }
        if (i < disabled.size())
            icon.addPixmap(QPixmap::fromImage(disabled[i]), QIcon::Disabled);
        if (i < disabled2.size()) {
            QPixmap big = QPixmap::fromImage(disabled2[i]);
            big.setDevicePixelRatio(2.0);
            icon.addPixmap(big, QIcon::Disabled);
        }
        icons.append(icon);
    }
    return icons;
}

} // namespace quillax
