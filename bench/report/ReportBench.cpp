// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/CalculationRun.h"
#include "report/DataReport.h"

namespace {

using kelvarin::PropellerDesign;

PropellerDesign DefaultDesign() {
    return kelvarin::runCalculation(kelvarin::startTexts(), kelvarin::InputMode::Calculated).design;
}

// The whole report step of a run: lay out the default design and rewrite the file.
void BM_WriteReport(benchmark::State& state) {
    std::string dir = (std::filesystem::temp_directory_path() / "kelvarin-bench-XXXXXX");
    if (mkdtemp(dir.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::string path = dir + "/Date.html";
    const PropellerDesign design = DefaultDesign();
    for (auto _ : state) {
        kelvarin::writeReport(design, kelvarin::InputMode::Calculated, path);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMicrosecond);

// The layout alone, without the file.
void BM_ReportText(benchmark::State& state) {
    const PropellerDesign design = DefaultDesign();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvarin::reportText(design, kelvarin::InputMode::Calculated));
    }
}
BENCHMARK(BM_ReportText)->Unit(benchmark::kMicrosecond);

}  // namespace
