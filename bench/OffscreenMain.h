#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

// The benchmarks of a program that needs widgets or a paint device, with no display.
inline int runOffscreen(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
