// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/CalculationRun.h"
#include "export/TemplateExport.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

PropellerDesign DefaultDesign() {
    testing::ScopedSeparator comma{','};
    return runCalculation(startTexts(), InputMode::Manual).design;
}

// A whole export as the window's action runs it: layout, the file's bytes, and the file
// replaced on the disk.
void BM_ExportTemplates(benchmark::State& state, const char* name) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QLatin1String(name)).toStdString();
    const PropellerDesign d = DefaultDesign();
    const TemplateExportOptions options{
        {.turned = state.range(0) != 0}, PaperSize::A4, "07.12.2026"};
    for (auto _ : state) {
        exportTemplates(d, options, path);
    }
}
BENCHMARK_CAPTURE(BM_ExportTemplates, pdf, "templates.pdf")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTemplates, svg, "templates.svg")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTemplates, dxf, "templates.dxf")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvarin
