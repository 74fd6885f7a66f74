// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "core/CalculationRun.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "printsystem/CupsPrintSystem.h"
#include "printsystem/QtPrinter.h"
#include "qtdrawing/QtCanvas.h"
#include "support/ScopedSeparator.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {
namespace {

PropellerDesign DefaultDesign() {
    testing::ScopedSeparator comma{','};
    return runCalculation(startTexts(), InputMode::Manual).design;
}

void BM_BuildSectionOutlines(benchmark::State& state) {
    const PropellerDesign d = DefaultDesign();
    const bool turned = state.range(0) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildSectionOutlines(d, 600, turned));
    }
}
BENCHMARK(BM_BuildSectionOutlines)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The section view step's drawing: a fresh white bitmap of section 3 at 600 dpi.
void BM_DrawSection3View(benchmark::State& state) {
    const bool controlMarks = state.range(0) != 0;
    const SectionOutlines outlines = buildSectionOutlines(DefaultDesign(), 600, false);
    const ViewBitmapSize size = sectionBitmapSize(outlines, 3);
    for (auto _ : state) {
        QImage image(size.width, size.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter);
        drawOutline(canvas, outlines.section(3), controlMarks, outlines.dpi);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = static_cast<double>(size.width) * size.height;
}
BENCHMARK(BM_DrawSection3View)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole print job, layout and drawing, into a PDF file at the printer's resolution: 300 dpi
// as a CUPS PDF queue reports it, 600 dpi where a printer reports none, 1200 dpi.
void BM_PrintTemplatesToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("templates.pdf");
    const PropellerDesign d = DefaultDesign();
    const SectionOptions options{.turned = state.range(1) != 0, .controlMarks = state.range(1) > 1};
    for (auto _ : state) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(path);
        pdf->setResolution(static_cast<int>(state.range(0)));
        pdf->setPageSize(QPageSize(QPageSize::A4));
        QtPrinter printer(std::move(pdf));
        printTemplates(d, printer, options);
    }
}
BENCHMARK(BM_PrintTemplatesToPdf)
    ->ArgsProduct({{300, 600, 1200}, {0, 1, 2}})
    ->ArgNames({"dpi", "turned+marks"})
    ->Unit(benchmark::kMillisecond);

// What every redraw of the section view asks first: the default printer's resolution, from
// CUPS (run with CUPS_SERVER naming a scheduler with a default printer, such as the one of
// scripts/cups-test-printer.sh).
void BM_DefaultPrinterResolution(benchmark::State& state) {
    CupsPrintSystem cups;
    QtPrinter printer(cups);
    for (auto _ : state) {
        benchmark::DoNotOptimize(printer.resolutionDpi());
    }
    state.counters["dpi"] = printer.resolutionDpi();
}
BENCHMARK(BM_DefaultPrinterResolution)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvarin
