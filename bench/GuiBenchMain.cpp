// SPDX-License-Identifier: GPL-3.0-or-later
// The main of benchmarks that draw through Qt Gui (fonts, the PDF and SVG writers) but show no
// window: a QGuiApplication, offscreen unless a platform is given.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
