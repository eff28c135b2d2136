#pragma once
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <random>

namespace bench {

// A photo-like picture: a sky gradient, soft shapes and sensor grain, so that JPEG has as
// much to do as with a real photo.
inline QImage photoLike(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(60 + int(seed % 40), 120, 200));
    sky.setColorAt(1, QColor(230, 200, 150 - int(seed % 50)));
    painter.fillRect(image.rect(), sky);
    std::mt19937 random(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        painter.setBrush(
            QColor(int(random() % 256), int(random() % 256), int(random() % 256), 110));
        const int r = int(random() % unsigned(width / 8 + 1));
        painter.drawEllipse(int(random() % unsigned(width)), int(random() % unsigned(height)), r,
                            r);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        QRgb* p = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random() % 13) - 6;
            p[x] = qRgb(std::clamp(qRed(p[x]) + n, 0, 255), std::clamp(qGreen(p[x]) + n, 0, 255),
                        std::clamp(qBlue(p[x]) + n, 0, 255));
        }
    }
    return image;
}

} // namespace bench
