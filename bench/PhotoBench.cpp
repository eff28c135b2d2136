// Adding a 24-megapixel JPEG photo (decode, full-size BMP copy, working picture, thumbnail)
// beside decoding the same file alone.
#include "editor/model/PhotoImporter.h"
#include "shared/ImageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A 6000 x 4000 JPEG at quality 90 with the detail of a photo: gradients, shapes and grain.
QString photo() {
    static QString path;
    if (!path.isEmpty())
        return path;
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 4000);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(230, 200, 150));
    painter.fillRect(image.rect(), sky);
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor(int(random() % 256), int(random() % 256), int(random() % 256), 120));
        painter.drawEllipse(int(random() % 6000), int(random() % 4000), int(random() % 600), int(random() % 600));
    }
    painter.end();
    for (int y = 0; y < 4000; ++y) {
        QRgb* p = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 6000; ++x) {
            const int n = int(random() % 17) - 8;
            p[x] = qRgb(std::clamp(qRed(p[x]) + n, 0, 255), std::clamp(qGreen(p[x]) + n, 0, 255),
                        std::clamp(qBlue(p[x]) + n, 0, 255));
        }
    }
    path = folder().path() + "/photo.jpg";
    image.save(path, "jpeg", 90);
    return path;
}

void BM_DecodeJpeg24Mp(benchmark::State& state) {
    const QString path = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillax::ImageFile::decode(path, quillax::kJpeg));
}
BENCHMARK(BM_DecodeJpeg24Mp)->Unit(benchmark::kMillisecond);

void BM_AddPhoto24MpJpeg(benchmark::State& state) {
    const QString path = photo();
    const QString project = folder().path() + "/";
    for (auto _ : state)
        benchmark::DoNotOptimize(editor::PhotoImporter::import(path, project, "newPrj10.bmp"));
}
BENCHMARK(BM_AddPhoto24MpJpeg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
