// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "drawing/Printer.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

// What a print job sent: its pages, and the templates it left out for needing too many.
struct PrintedTemplates {
    int sheets = 0;
    std::vector<TemplateOmission> omissions;
};

// Prints the templates (layOutTemplates, with the overview page where there is more than one)
// at true size on the printer, page by page, as a document called `jobName`, the date in every
// page's design line and every template line lineWidthMm wide. A template that would need more
// than kMaxTilesPerTemplate sheets is left out and named in the result; the rest are printed.
// Fails before any document is begun when there is no printer (PrinterMissing) or when nothing
// can be laid out (a Failure whose Russian text begins "Шаблоны не напечатаны: ").
PrintedTemplates printTemplates(const PropellerDesign& design, Printer& printer,
                                const SectionOptions& options, std::string_view date = {},
                                std::string_view jobName = {},
                                double lineWidthMm = kDefaultTemplateLineMm);

// Prints pages already laid out for this printer's geometry, as a document called `jobName`.
void printTemplatePages(const TemplateDocument& document, Printer& printer,
                        std::string_view jobName = {});

// What a print job is called: "Шаблоны: " and the design's name (its file's), or, for a design
// never saved, its design line ("Воздушный винт: диаметр 151,7 см, шаг 0,52 м").
std::string templateJobName(const PropellerDesign& design, std::string_view designName);

}  // namespace kelvarin
