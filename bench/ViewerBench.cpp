// From a step in the full-screen viewer to the next 24-megapixel JPEG ready to draw, on a
// 1920 x 1080 screen: when it was read ahead while the one before was looked at, and when it
// was not. The goal is under 50 ms read ahead.
#include "bench/OffscreenMain.h"
#include "bench/PhotoFolder.h"
#include "browser/model/ViewerPictures.h"

#include <QEventLoop>
#include <QTemporaryDir>

namespace {

const QString& photo() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath("photo.jpg");
        bench::photoLike(6000, 4000, 7).save(p, "jpeg", 90);
        return p;
    }();
    return path;
}

// Steps to the photo and waits until the viewer has it.
void stepTo(browser::ViewerPictures& pictures) {
    QEventLoop loop;
    bool arrived = false;
    const auto connection = QObject::connect(&pictures, &browser::ViewerPictures::ready, [&] {
        arrived = true;
        loop.quit();
    });
    pictures.want(photo());
    if (!arrived)
        loop.exec();
    QObject::disconnect(connection);
}

void BM_ViewerStepNotReadAhead(benchmark::State& state) {
    for (auto _ : state) {
        browser::ViewerPictures pictures(QSize(1920, 1080));
        stepTo(pictures);
    }
}
BENCHMARK(BM_ViewerStepNotReadAhead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ViewerStepReadAhead(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        browser::ViewerPictures pictures(QSize(1920, 1080));
        pictures.readAhead(photo());
        QEventLoop wait;
        while (!pictures.isKept(photo()))
            wait.processEvents(QEventLoop::WaitForMoreEvents);
        state.ResumeTiming();
        stepTo(pictures);
    }
}
BENCHMARK(BM_ViewerStepReadAhead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
