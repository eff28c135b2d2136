// Cost of drawing the canvas: a page with ten 600 x 450 photos on the A4 canvas (349 x 494).
// A drag must redraw well within a screen refresh (16 ms).
#include "bench/OffscreenMain.h"
#include "editor/ui/LayoutCanvas.h"
#include "imaging/DibImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

editor::LayerRecord photo(int id) {
    editor::LayerRecord r;
    r.id = id;
    r.thumbIndex = 8 + id;
    imaging::DibImage picture;
    picture.create(600, 450, 24);
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600 * 3; ++x)
            picture.row(y)[x] = uint8_t(x * 7 + y * 3 + id);
    r.setBitmap(picture);
    r.x = 30 + (id % 2) * 450;
    r.y = 30 + (id / 2) * 260;
    r.hasRegion = true;
    r.region = {r.x, r.y, r.x + 420, r.y + 315};
    return r;
}

struct Page {
    editor::PageDocument document;
    editor::LayoutCanvas canvas{document};
    Page() {
        canvas.resize(349, 494);
        canvas.setDisplayScale(494.0 / 1403);
        for (int id = 0; id < 10; ++id)
            canvas.stack().add(photo(id));
    }
};

void BM_ComposeScreenTenPhotos(benchmark::State& state) {
    Page page;
    for (auto _ : state)
        benchmark::DoNotOptimize(page.canvas.composeScreen());
}
BENCHMARK(BM_ComposeScreenTenPhotos)->Unit(benchmark::kMillisecond);

void BM_ShowLayerTenPhotos(benchmark::State& state) {
    Page page;
    page.canvas.selection().setCurrentId(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(page.canvas.showLayer(false));
}
BENCHMARK(BM_ShowLayerTenPhotos)->Unit(benchmark::kMillisecond);

void BM_DrawSelection(benchmark::State& state) {
    Page page;
    page.canvas.selection().setCurrentId(4);
    page.canvas.showLayer(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(page.canvas.drawSelection());
}
BENCHMARK(BM_DrawSelection)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
    Page page;
    page.canvas.selection().setCurrentId(4);
    page.canvas.showLayer(false);
    const editor::ScreenFrame f = page.canvas.selection().frame();
    const QPointF start(f.left + 10, f.top + 10);
    QMouseEvent press(QEvent::MouseButtonPress, start, start, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&page.canvas, &press);
    int step = 0;
    for (auto _ : state) {
        const QPointF p = start + QPointF(step % 40, step % 30);
        QMouseEvent move(QEvent::MouseMove, p, p, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&page.canvas, &move);
        ++step;
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
