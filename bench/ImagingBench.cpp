// Speed of the pixel code on photo-sized pictures, in megapixels per second of source.
#include "imaging/BmpFile.h"
#include "imaging/ColourAdjustments.h"
#include "imaging/EffectImage.h"
#include "imaging/Filters.h"
#include "imaging/Resampling.h"

#include <algorithm>
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

// The same with sensor grain: each channel off by up to 6 at random, as in a real photo, so
// that few neighbouring pixels share a colour.
imaging::DibImage grainyPhoto(int width, int height) {
    imaging::DibImage image = photo(width, height);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x < width * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            p[x] = uint8_t(std::clamp(int(p[x]) + int(seed >> 28) - 6, 0, 255));
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
        work.resize(600, 450, imaging::EffectImage::Shape::KeepAspect,
                    imaging::EffectImage::Scaling::Smooth);
        benchmark::DoNotOptimize(work);
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_ResizeSmooth24MpTo600x450)->Unit(benchmark::kMillisecond);

void BM_ResizeNearest24MpTo3000x2000(benchmark::State& state) {
    const imaging::EffectImage source(photo(6000, 4000));
    for (auto _ : state) {
        imaging::EffectImage work(source);
        work.resize(3000, 2000, imaging::EffectImage::Shape::Exact,
                    imaging::EffectImage::Scaling::Nearest);
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

// The colour adjustments on a 6000 x 4000 picture, beside the plainest pass over the same
// bytes: one table lookup a byte. The point routines are table lookups themselves, so they
// should stay within a small factor of it.
void BM_PlainTableLookup24Mp(benchmark::State& state) {
    imaging::DibImage work = photo(6000, 4000);
    uint8_t table[256];
    for (int v = 0; v < 256; ++v)
        table[v] = uint8_t(255 - v);
    for (auto _ : state) {
        uint8_t* p = work.pixels();
        for (size_t i = 0, n = work.imageBytes(); i < n; ++i)
            p[i] = table[p[i]];
        benchmark::DoNotOptimize(work.pixels());
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_PlainTableLookup24Mp)->Unit(benchmark::kMillisecond);

template <typename Adjust>
void adjust24Mp(benchmark::State& state, bool in32Bits, Adjust adjust, bool grainy = false) {
    imaging::DibImage work = grainy ? grainyPhoto(6000, 4000) : photo(6000, 4000);
    if (in32Bits)
        work.toDepth32();
    for (auto _ : state) {
        adjust(work);
        benchmark::DoNotOptimize(work.pixels());
    }
    reportMegapixels(state, 6000LL * 4000);
}
void BM_Brightness24Mp(benchmark::State& state) {
    adjust24Mp(state, false, [](imaging::DibImage& w) { imaging::brightness(w, 120); });
}
BENCHMARK(BM_Brightness24Mp)->Unit(benchmark::kMillisecond);
void BM_Contrast24Mp(benchmark::State& state) {
    adjust24Mp(state, false, [](imaging::DibImage& w) { imaging::contrast(w, 120); });
}
BENCHMARK(BM_Contrast24Mp)->Unit(benchmark::kMillisecond);
void BM_RgbOffsets24Mp(benchmark::State& state) {
    adjust24Mp(state, false, [](imaging::DibImage& w) { imaging::rgbOffsets(w, 10, -5, 20); });
}
BENCHMARK(BM_RgbOffsets24Mp)->Unit(benchmark::kMillisecond);
void BM_HueSaturation24Mp(benchmark::State& state) {
    adjust24Mp(state, false, [](imaging::DibImage& w) { imaging::hueSaturation(w, 100, 120); });
}
BENCHMARK(BM_HueSaturation24Mp)->Unit(benchmark::kMillisecond);
// Every colour converted afresh: the worst case for the remembered colours.
void BM_HueSaturationGrainy24Mp(benchmark::State& state) {
    adjust24Mp(
        state, false, [](imaging::DibImage& w) { imaging::hueSaturation(w, 100, 120); }, true);
}
BENCHMARK(BM_HueSaturationGrainy24Mp)->Unit(benchmark::kMillisecond);
void BM_ShadowOptimize24Mp(benchmark::State& state) {
    adjust24Mp(state, true, [](imaging::DibImage& w) { imaging::shadowOptimize(w, 1, 50); });
}
BENCHMARK(BM_ShadowOptimize24Mp)->Unit(benchmark::kMillisecond);

// The neighbourhood filters on the same picture, beside a plain copy of its bytes. The box
// mean runs on sums, so its block size should not change its speed.
void BM_PlainCopy24Mp(benchmark::State& state) {
    const imaging::DibImage source = photo(6000, 4000);
    imaging::DibImage work = source;
    for (auto _ : state) {
        std::copy_n(source.pixels(), source.imageBytes(), work.pixels());
        benchmark::DoNotOptimize(work.pixels());
    }
    reportMegapixels(state, 6000LL * 4000);
}
BENCHMARK(BM_PlainCopy24Mp)->Unit(benchmark::kMillisecond);
void BM_Smooth24Mp(benchmark::State& state) {
    const int n = int(state.range(0));
    adjust24Mp(
        state, false, [n](imaging::DibImage& w) { imaging::smooth(w, n); }, true);
}
BENCHMARK(BM_Smooth24Mp)->Arg(5)->Arg(25)->Unit(benchmark::kMillisecond);
void BM_Sharpen24Mp(benchmark::State& state) {
    adjust24Mp(
        state, false, [](imaging::DibImage& w) { imaging::sharpen(w, 1); }, true);
}
BENCHMARK(BM_Sharpen24Mp)->Unit(benchmark::kMillisecond);
void BM_Emboss24Mp(benchmark::State& state) {
    adjust24Mp(
        state, false, [](imaging::DibImage& w) { imaging::emboss(w, 2); }, true);
}
BENCHMARK(BM_Emboss24Mp)->Unit(benchmark::kMillisecond);
void BM_Wind24Mp(benchmark::State& state) {
    imaging::SeededRandom random(1);
    adjust24Mp(
        state, false,
        [&random](imaging::DibImage& w) {
            imaging::wind(w, 20, imaging::WindFrom::Left, imaging::WindLength::Random, random);
        },
        true);
}
BENCHMARK(BM_Wind24Mp)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
