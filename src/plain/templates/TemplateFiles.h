// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "templates/TemplateMetrics.h"

// What the templates written as files are asked for (export/TemplateExport.h writes them): kept
// here, apart from the writers, for the window, which loads the writers only when a file is
// asked for.
namespace kelvarin {

enum class TemplateFormat { Pdf, Svg, Dxf };
enum class PaperSize { A4, Letter, A3 };

struct TemplateExportOptions {
    SectionOptions section;
    PaperSize paper = PaperSize::A4;              // PDF only
    std::string date;                             // in the design line; todayText() from templates
    double lineWidthMm = kDefaultTemplateLineMm;  // every template line, in every format
    // PDF only: a template that would need more than kMaxTilesPerTemplate pages is left out
    // and named in the result, instead of the whole file being refused.
    bool leaveOutOversized = false;
};

// Whether the design has been calculated: a zero-filled record has no templates to give.
bool hasTemplates(const PropellerDesign& design);

}  // namespace kelvarin
