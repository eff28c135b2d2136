// Adding a 24-megapixel JPEG photo (decode, full-size BMP copy, working picture, thumbnail)
// beside decoding the same file alone and writing its full-size copy alone.
#include "bench/PhotoFolder.h"
#include "editor/model/PhotoImporter.h"
#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A 6000 x 4000 JPEG at quality 90 with the detail of a photo.
QString photo() {
    static QString path;
    if (path.isEmpty()) {
        path = folder().path() + "/photo.jpg";
        bench::photoLike(6000, 4000, 7).save(path, "jpeg", 90);
    }
    return path;
}

void BM_DecodeJpeg24Mp(benchmark::State& state) {
    const QString path = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillax::ImageFile::decode(path, quillax::kJpeg));
}
BENCHMARK(BM_DecodeJpeg24Mp)->Unit(benchmark::kMillisecond);

// The full-size copy alone, written from the decoded picture.
void BM_WriteFullSizeBmp24Mp(benchmark::State& state) {
    const imaging::DibImage full =
        quillax::fromQImage(quillax::ImageFile::decode(photo(), quillax::kJpeg).image, 24);
    const std::string path = (folder().path() + "/copy.bmp").toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::saveAsBmp(full, path));
}
BENCHMARK(BM_WriteFullSizeBmp24Mp)->Unit(benchmark::kMillisecond);

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
