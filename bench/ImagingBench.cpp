// Speed of the pixel code on photo-sized pictures, in megapixels per second of source.
#include "imaging/BmpFile.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>

namespace {

imaging::DibImage photo(int width, int height) {
    imaging::DibImage image;
    image.create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            p[0] = uint8_t(x ^ y);
            p[1] = uint8_t(x * 3 + y);
            p[2] = uint8_t(y * 5 - x);
        }
    }
    return image;
}

void reportMegapixels(benchmark::State& state, int64_t pixels) {
    state.counters["MP/s"] = benchmark::Counter(double(pixels) * double(state.iterations()) / 1e6,
                                                benchmark::Counter::kIsRate);
}

void BM_Reduce6000x4000To600x400(benchmark::State& state) {
    const imaging::DibImage source = photo(6000, 4000);
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::reduceBitmap(source, 600, 400));
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_Reduce6000x4000To600x400)->Unit(benchmark::kMillisecond);

void BM_ResizeSmooth24MpTo600x450(benchmark::State& state) {
    const imaging::EffectImage source(photo(6000, 4000));
    for (auto _ : state) {
        imaging::EffectImage work(source);
        work.resize(600, 450, true, true);
        benchmark::DoNotOptimize(work);
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_ResizeSmooth24MpTo600x450)->Unit(benchmark::kMillisecond);

void BM_ResizeNearest24MpTo3000x2000(benchmark::State& state) {
    const imaging::EffectImage source(photo(6000, 4000));
    for (auto _ : state) {
        imaging::EffectImage work(source);
        work.resize(3000, 2000, false, false);
        benchmark::DoNotOptimize(work);
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_ResizeNearest24MpTo3000x2000)->Unit(benchmark::kMillisecond);

void BM_HalftoneEnlarge600x450To2400x1800(benchmark::State& state) {
    const imaging::DibImage source = photo(600, 450);
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::stretchHalftone(source, 2400, 1800));
    reportMegapixels(state, 2400LL * 1800);
}
BENCHMARK(BM_HalftoneEnlarge600x450To2400x1800)->Unit(benchmark::kMillisecond);

void BM_SaveBmp24Mp(benchmark::State& state) {
    const imaging::DibImage source = photo(6000, 4000);
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillax-bench-save.bmp").string();
    for (auto _ : state) {
        if (!imaging::saveAsBmp(source, path))
            state.SkipWithError("cannot write to the temporary folder");
    }
    std::remove(path.c_str());
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_SaveBmp24Mp)->Unit(benchmark::kMillisecond);

void BM_LoadBmp24Mp(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillax-bench-load.bmp").string();
    if (!imaging::saveAsBmp(photo(6000, 4000), path)) {
        state.SkipWithError("cannot write to the temporary folder");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::readBmp(path));
    std::remove(path.c_str());
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_LoadBmp24Mp)->Unit(benchmark::kMillisecond);

void BM_TurnClockwise24Mp(benchmark::State& state) {
    const imaging::EffectImage source(photo(6000, 4000));
    for (auto _ : state) {
        imaging::EffectImage work(source);
        work.turnClockwise();
        benchmark::DoNotOptimize(work);
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_TurnClockwise24Mp)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
