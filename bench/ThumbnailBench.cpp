// Fills the thumbnail grid's cells for every JPEG of a folder, as the browser does, and says
// how many pictures a second that makes, with one decoding thread and with one per core.
//   thumbnail_bench --make FOLDER COUNT   writes COUNT 4000 x 3000 photos (quality 90)
//   thumbnail_bench FOLDER                measures
#include "bench/PhotoFolder.h"
#include "browser/model/ThumbnailWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <cstdio>

namespace {

double imagesPerSecond(const QStringList& paths, int threads) {
    browser::ThumbnailWorker worker;
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
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: thumbnail_bench FOLDER | --make FOLDER COUNT\n");
        return 2;
    }
    QStringList paths;
    for (const QString& name : QDir(args[1]).entryList({"*.jpg"}, QDir::Files, QDir::Name))
        paths.append(args[1] + "/" + name);
    imagesPerSecond(paths.mid(0, 4), 1); // warm the file cache
    const int cores = std::max(1, QThread::idealThreadCount());
    std::printf("VistaRambler grid, 1 thread:   %6.1f images/s\n", imagesPerSecond(paths, 1));
    std::printf("VistaRambler grid, %d threads:  %6.1f images/s\n", cores,
                imagesPerSecond(paths, cores));
    return 0;
}
