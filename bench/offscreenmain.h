#pragma once

// The main of a benchmark that builds widgets: an offscreen QApplication, so the figures do not
// depend on a display server and runs on a headless machine measure the same work.

#include <QApplication>

#include <benchmark/benchmark.h>

inline int runOffscreenBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
