// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Failure.h"
#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "drawing/Printer.h"
#include "drawing/SectionOutline.h"
#include "templates/TemplateItems.h"
#include "templates/TemplateMetrics.h"
#include "templates/TemplateTiling.h"

namespace kelvarin {

// Templates that cannot be laid out; the text says why, to follow "Шаблоны не напечатаны: " or
// the like.
class TemplateLayoutError : public Failure {
public:
    using Failure::Failure;
};

// No job takes more pages than this (and the overview): a 4 m propeller's fit on 45 A4 sheets,
// and taping more together is no longer a template; what would pass it is left out.
inline constexpr int kMaxTemplatePages = 48;
// Nor is a sheet (SVG, DXF) larger than this on either side.
inline constexpr double kMaxSheetMm = 20000.0;

enum class TemplateKind {
    Section,   // the outline of one section, 3 to 11
    Planform,  // the blade seen from the front
    SideView,  // the blade seen edge-on
};

// Where one template went.
struct TemplatePlacement {
    TemplateKind kind = TemplateKind::Section;
    int section = 0;    // 3..11 for a section
    int firstPage = 0;  // index into TemplateDocument::pages
    // Tiles across and down; 1 × 1 for a template on a page of its own or among others. Tile
    // (c, r) is page firstPage + r · columns + c and shows the sheet from (c · tileStepX,
    // r · tileStepY) at the page's (0, windowTop).
    int columns = 1;
    int rows = 1;
    std::int32_t tileStepX = 0;
    std::int32_t tileStepY = 0;
    std::int32_t windowTop = 0;
    // On its page (or, tiled, on the sheet): where the figure's origin was moved to (a section's
    // outline as built, a blade view's innermost station at its left edge), the Y of its bottom
    // line (a section's trailing edge), of its cut line; turned, where the width line ends.
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int32_t cutY = 0;
    std::int32_t referenceX = 0;
    std::string caption;

    int tileCount() const { return columns * rows; }
};

// A template left out of the pages because it would need more than kMaxTilesPerTemplate.
struct TemplateOmission {
    TemplateKind kind = TemplateKind::Section;
    int section = 0;
    int sheets = 0;      // the tiles it would need
    std::string reason;  // in the chosen language: which template, how many sheets, what to do
};

// How the pages are drawn, besides the design and the section options.
struct TemplateStyle {
    double lineWidthMm = kDefaultTemplateLineMm;  // every template line, on paper
    // A job of more than one page starts with an overview page (see layOutTemplates).
    bool overviewPage = false;
};

// The templates laid out on pages of one printer, or on one sheet.
struct TemplateDocument {
    PrinterGeometry page;  // a sheet's: its whole size
    std::vector<TemplatePage> pages;
    std::vector<TemplatePlacement> placements;
    std::vector<TemplateOmission> omissions;  // in the order of the templates
    bool hasOverview = false;                 // pages[0] is the overview
    // The section outlines at the page's resolution where they were placed (on the sheet, tiled).
    SectionOutlines outlines;
};

// "Профиль сечения лопасти 0,2 радиуса".
std::string sectionCaption(int section);
// "Вид лопасти в плане, станции 2–11, 75,9–758,5 мм от центра винта" and its edge-on fellow.
std::string planformCaption(const PropellerDesign& design);
std::string sideViewCaption(const PropellerDesign& design);

// Today's date as the design line writes it, "07.12.2026", in local time.
std::string todayText();

// Lays the templates out at true size on pages of the printer: the nine sections one below the
// other, each with its caption above it, its dotted cut line and scissors mark below it and,
// turned, its width and drop lines; then the planform and the side view of the blade, with
// their stations marked and numbered. Every page carries the calibration bars and the design
// line (TemplateFooter.h) at its foot. The layout's distances are 600 dpi pixels at and below
// 600 dpi and grow in proportion above it; template lines are style.lineWidthMm wide at any
// resolution. Captions take the largest size from 8 down to 6 points that fits their room and
// keep kCaptionGapMm from any drawing; no two elements overlap. A template starts a new page
// when it is not the first on its page and would reach the foot. Templates only too wide for
// a page are stacked on a sheet of their width and its tiles across; one too tall is tiled on
// pages of its own, without a cut line (nothing shares its pages); no tile adds less than
// kShortestTileFragmentMm. A template that would need more than
// kMaxTilesPerTemplate tiles, or that would take the job past kMaxTemplatePages, is left out
// and listed in omissions; the others are laid out.
// With style.overviewPage a job of more than one page starts with an overview: every template
// at one scale, each with its pages, a tiled one with its tiles drawn over it and numbered as
// their headers number them. Every stroke's arithmetic is done here, so nothing can fail once
// paper is used. Throws TemplateLayoutError (Russian, saying why) for a section of negative
// size, every template left out, or a page too small;
// ArithmeticError for coordinates beyond 32 bits.
TemplateDocument layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                                 const SectionOptions& options, std::string_view date = {},
                                 const TemplateStyle& style = {});

// The same templates on one sheet as large as they need, none tiled, the foot once at the end:
// for the writers of drawings (SVG, DXF). Refuses a sheet beyond kMaxSheetMm.
TemplateDocument layOutTemplateSheet(const PropellerDesign& design, std::int32_t dpi,
                                     const SectionOptions& options, std::string_view date = {},
                                     double lineWidthMm = kDefaultTemplateLineMm);

}  // namespace kelvarin
