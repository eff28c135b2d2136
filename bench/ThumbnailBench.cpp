// Fills the thumbnail grid's cells for every photo of a folder, as the browser does, and says
// how many pictures a second that makes: on the first visit with one decoding thread and with
// one per core, and on the second visit, when the shared thumbnail cache has every photo.
//   thumbnail_bench --make FOLDER COUNT   writes COUNT 4000 x 3000 photos (quality 90)
//   thumbnail_bench FOLDER                measures the visits
//   thumbnail_bench --memory FOLDER       makes forty 8000 x 6000 PNG files there and reports
//                                         the decoding memory the grid held at most
#include "bench/PhotoFolder.h"
#include "browser/model/ThumbnailCache.h"
#include "browser/model/ThumbnailMaker.h"
#include "browser/model/ThumbnailWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

double imagesPerSecond(const QStringList& paths, int threads, const QString& cacheRoot) {
    browser::ThumbnailWorker worker;
    auto cache = std::make_shared<const browser::ThumbnailCache>(cacheRoot);
    worker.setCellMaker([cache](const QString& path) {
        return browser::ThumbnailMaker::makeCell(path, cache.get());
    });
    int made = 0;
    QObject::connect(&worker, &browser::ThumbnailWorker::thumbnailReady,
                     [&made](int, const QImage& cell) { made += !cell.isNull(); });
    QEventLoop loop;
    QObject::connect(&worker, &browser::ThumbnailWorker::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    worker.start(paths, threads);
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (made != paths.size())
        std::fprintf(stderr, "only %d of %lld thumbnails were made\n", made,
                     static_cast<long long>(paths.size()));
    return paths.size() / seconds;
}

QStringList filesOf(const QString& folder, const QString& pattern) {
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({pattern}, QDir::Files, QDir::Name))
        paths.append(folder + "/" + name);
    return paths;
}

int measureVisits(const QString& folder) {
    const QStringList paths = filesOf(folder, "*.jpg");
    const int cores = std::max(1, QThread::idealThreadCount());
    // Each first visit starts from an empty cache, as for photos never seen before.
    auto firstVisit = [&](int threads) {
        QTemporaryDir cache;
        return imagesPerSecond(paths, threads, cache.path() + "/thumbnails");
    };
    firstVisit(1); // warm the file cache
    std::printf("VistaRambler grid, first visit, 1 thread:   %7.1f images/s\n", firstVisit(1));
    std::printf("VistaRambler grid, first visit, %d threads:  %7.1f images/s\n", cores,
                firstVisit(cores));
    QTemporaryDir cache;
    const QString root = cache.path() + "/thumbnails";
    imagesPerSecond(paths, cores, root);
    std::printf("VistaRambler grid, second visit, %d threads: %7.1f images/s\n", cores,
                imagesPerSecond(paths, cores, root));
    return 0;
}

int measureMemory(const QString& folder) {
    QDir().mkpath(folder);
    const QStringList existing = filesOf(folder, "*.png");
    if (existing.size() < 40) {
        // A plain picture compresses to little on disk, yet decodes to 192 MB all the same.
        QImage big(8000, 6000, QImage::Format_RGB32);
        big.fill(qRgb(90, 140, 200));
        QPainter(&big).fillRect(1000, 1000, 3000, 2000, QColor(200, 120, 40));
        const QString first = folder + "/big00.png";
        big.save(first);
        for (int i = 1; i < 40; ++i)
            QFile::copy(first, QString("%1/big%2.png").arg(folder).arg(i, 2, 10, QChar('0')));
    }
    QTemporaryDir cache;
    const int cores = std::max(1, QThread::idealThreadCount());
    const double rate = imagesPerSecond(filesOf(folder, "*.png"), cores, cache.path() + "/t");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("forty 8000 x 6000 PNG files, %d threads: %.2f images/s\n", cores, rate);
    std::printf("  decoding memory held at most: %lld MB (budget %lld MB)\n",
                static_cast<long long>(browser::ThumbnailWorker::decodingPeak() >> 20),
                static_cast<long long>(browser::ThumbnailWorker::kDecodeBudgetBytes >> 20));
    std::printf("  process resident peak:        %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--make") {
        QDir().mkpath(args[2]);
        for (int i = 0; i < args[3].toInt(); ++i)
            bench::photoLike(4000, 3000, unsigned(i + 1))
                .save(QString("%1/photo%2.jpg").arg(args[2]).arg(i, 2, 10, QChar('0')), "jpeg", 90);
        return 0;
    }
    if (args.size() == 3 && args[1] == "--memory")
        return measureMemory(args[2]);
    if (args.size() == 2)
        return measureVisits(args[1]);
    std::fprintf(stderr, "usage: thumbnail_bench FOLDER | --make FOLDER COUNT | --memory FOLDER\n");
    return 2;
}
