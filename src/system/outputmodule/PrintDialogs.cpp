// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputmodule/PrintDialogs.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "drawing/PrinterResolution.h"
#include "outputmodule/ModuleFailures.h"
#include "printsystem/CupsPrintSystem.h"
#include "printsystem/QtPrinter.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

namespace {

// The resolution the chosen printer prints at, set on it: its print system's default for a
// printer, 600 dpi for a file.
void useResolutionOf(QPrinter& printer) {
    const bool toPrinter =
        printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
    CupsPrintSystem system;
    printer.setResolution(toPrinter
                              ? printerResolutionDpi(system, printer.printerName().toStdString())
                              : kFallbackResolutionDpi);
}

}  // namespace

DialogPrinting printWithPrintDialog(QWidget* parent, const PropellerDesign& design,
                                    const TemplateJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(
        QCoreApplication::translate("kelvarin::TemplateActions", "Печать шаблонов"));
    dialog.setMinMax(1, kMaxTemplatePages + 1);  // the overview first
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    useResolutionOf(printer);
    DialogPrinting result;
    result.accepted = true;
    result.failure = attemptInModule([&] {
        QtPrinter chosen(printer);
        result.printed =
            printTemplates(design, chosen, job.view, job.date, job.name, job.lineWidthMm);
        // Fewer where the dialog chose a range of pages.
        result.printed.sheets = chosen.pagesSent();
        result.destination = chosen.destinationName();
        result.toFile = !printer.outputFileName().isEmpty();
    });
    return result;
}

PreviewShown previewInPrintDialog(QWidget* parent, const PropellerDesign& design,
                                  const TemplateJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    useResolutionOf(printer);
    PreviewShown shown;
    shown.layoutFailure = attemptInModule([&] {
        const TemplateDocument laidOut =
            layOutTemplates(design, {printer.resolution(), printer.width(), printer.height()},
                            job.view, {}, {job.lineWidthMm, true});
        for (const TemplateOmission& omission : laidOut.omissions) {
            shown.leftOut.push_back(omission.reason);
        }
    });
    if (!shown.layoutFailure.text.empty()) {
        return shown;
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("kelvarin::TemplateActions",
                                                       "Предварительный просмотр шаблонов"));
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
            // The preview's own page setup or its Print button may have chosen
            // another printer.
            OutputFailure failure = attemptInModule([&] {
                QtPrinter on(*target);
                printTemplates(design, on, job.view, job.date, job.name, job.lineWidthMm);
            });
            if (!failure.text.empty()) {
                shown.printFailure = std::move(failure);
            }
        });
    preview.exec();
    return shown;
}

}  // namespace kelvarin
