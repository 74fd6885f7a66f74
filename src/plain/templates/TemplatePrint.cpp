// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplatePrint.h"

#include <string>

#include "core/Translation.h"
#include "templates/TemplateDrawing.h"
#include "templates/TemplateFooter.h"

namespace kelvarin {

namespace {

// The reason, in the chosen language, after the words that say nothing was printed.
std::string notPrinted(const std::string& reason) {
    return withArguments(translatedText("kelvarin::TemplatePrint", "Шаблоны не напечатаны: %1"),
                         {reason});
}

}  // namespace

PrintedTemplates printTemplates(const PropellerDesign& design, Printer& printer,
                                const SectionOptions& options, std::string_view date,
                                std::string_view jobName, double lineWidthMm) {
    const PrinterGeometry page = printer.geometry();
    TemplateDocument document;
    try {
        document = layOutTemplates(design, page, options, date, {lineWidthMm, true});
    } catch (const TemplateLayoutError& e) {
        throw Failure(notPrinted(e.what()));
    } catch (const ArithmeticError&) {
        throw Failure(notPrinted(
            translatedText("kelvarin::TemplatePrint", "сечения слишком велики для принтера")));
    }
    printTemplatePages(document, printer, jobName);
    return {static_cast<int>(document.pages.size()), std::move(document.omissions)};
}

void printTemplatePages(const TemplateDocument& document, Printer& printer,
                        std::string_view jobName) {
    printer.beginDocument(jobName);
    try {
        for (std::size_t i = 0; i < document.pages.size(); ++i) {
            if (i > 0) {
                printer.newPage();
            }
            drawTemplatePage(printer.pageCanvas(), document.pages[i]);
        }
    } catch (...) {
        // Only a failing printer can fail here; the document is still closed so that the
        // printer is free for the next job.
        try {
            printer.endDocument();
        } catch (...) {
        }
        throw;
    }
    printer.endDocument();
}

std::string templateJobName(const PropellerDesign& design, std::string_view designName) {
    return withArguments(translatedText("kelvarin::TemplatePrint", "Шаблоны: %1"),
                         {designName.empty() ? designLine(design, {}) : std::string(designName)});
}

}  // namespace kelvarin
