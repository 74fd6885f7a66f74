// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/BladeGeometry.h"
#include "core/NumberFormat.h"
#include "core/PropellerSizing.h"
#include "core/TextToNumber.h"
#include "support/RecordingWindow.h"

namespace {

using kelvarin::testing::RecordingWindow;

// Sizing and geometry of the default design, the report and view steps left out.
void BM_CalculationRun(benchmark::State& state) {
    RecordingWindow window;
    kelvarin::PropellerDesign design;
    for (auto _ : state) {
        window.log.clear();
        window.texts[kelvarin::InputField::Diameter] = "151,7";
        window.texts[kelvarin::InputField::Pitch] = "0,52";
        kelvarin::sizePropeller(design, window);
        kelvarin::computeGeometry(design, window);
        benchmark::DoNotOptimize(design);
    }
}
BENCHMARK(BM_CalculationRun);

void BM_FormatFixed(benchmark::State& state) {
    double x = 151.6833;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvarin::formatFixed(x, 4, 1));
        x += 0.001;
    }
}
BENCHMARK(BM_FormatFixed);

void BM_TextToNumber(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvarin::textToNumber("151,7"));
    }
}
BENCHMARK(BM_TextToNumber);

}  // namespace
