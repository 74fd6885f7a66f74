// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "drawing/Printer.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

// Prints the templates (layOutTemplates) at true size on the printer, page by page, the date
// in every page's design line. Fails before any document is begun when there is no printer
// (PrinterMissing) or when the design cannot be laid out (a Failure whose Russian text begins
// "Шаблоны не напечатаны: ").
void printTemplates(const PropellerDesign& design, Printer& printer, const SectionOptions& options,
                    std::string_view date = {});

// Prints pages already laid out for this printer's geometry.
void printTemplatePages(const TemplateDocument& document, Printer& printer);

}  // namespace kelvarin
