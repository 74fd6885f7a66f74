// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/PropellerDesign.h"
#include "templates/TemplateItems.h"
#include "templates/TemplateMetrics.h"

namespace kelvarin {

// The calibration bars' lengths: a ruler laid on them checks the scale of a print.
inline constexpr double kMetricBarMm = 100.0;
inline constexpr double kInchBarInches = 4.0;

// "Воздушный винт: диаметр 151,7 см, шаг 0,52 м; 07.12.2026" (the date left out when empty).
std::string designLine(const PropellerDesign& design, std::string_view date);

// What every page (or sheet) carries at its foot: a 100 mm bar and a 4-inch bar, each a line
// with an end tick at either end and its length written beside it, and the design line. Items
// lie below Y = 0 from X = outlineLeft; items of one element share its number, from 1.
struct TemplateFooter {
    std::vector<TemplateItem> items;
    int elements = 0;
    std::int32_t width = 0;  // from X = 0 to the right of its widest row
    std::int32_t height = 0;
};
// Throws TemplateLayoutError where a row is wider than `pageWidth`.
TemplateFooter templateFooter(const PropellerDesign& design, std::string_view date,
                              const TemplateMetrics& m, std::int32_t pageWidth);

}  // namespace kelvarin
