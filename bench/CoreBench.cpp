// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/CalculationRun.h"
#include "core/NumberFormat.h"
#include "core/TextToNumber.h"

namespace {

// A click on Calculate with the start texts as far as the calculation goes: reading the six
// fields, sizing and geometry, the report and view steps left out.
void BM_CalculationRun(benchmark::State& state) {
    const kelvarin::FieldTexts texts = kelvarin::startTexts();
    kelvarin::PropellerDesign design;
    for (auto _ : state) {
        kelvarin::CalculationOutcome outcome =
            kelvarin::runCalculation(texts, kelvarin::InputMode::Calculated, design);
        design = outcome.design;
        benchmark::DoNotOptimize(outcome);
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
