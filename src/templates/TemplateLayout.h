// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Failure.h"
#include "core/PropellerDesign.h"
#include "drawing/Printer.h"
#include "drawing/SectionOptions.h"
#include "drawing/SectionOutline.h"
#include "templates/TemplateItems.h"

namespace kelvarin {

// A template that cannot be laid out; the text says why, to follow "Шаблоны не напечатаны: " or
// the like.
class TemplateLayoutError : public Failure {
public:
    using Failure::Failure;
};

// A section larger than the printable area is printed in tiles of at most this many pages.
inline constexpr int kMaxTilesPerTemplate = 16;
// Neighbouring tiles show the same 10 mm of the sheet, with alignment crosses in it.
inline constexpr double kTileOverlapMm = 10.0;

enum class TemplateKind { Section };

// Where one template went.
struct TemplatePlacement {
    TemplateKind kind = TemplateKind::Section;
    int section = 0;    // 3..11
    int firstPage = 0;  // index into TemplateDocument::pages
    // Tiles across and down; 1 × 1 for a template on a page of its own or among others. Tile
    // (c, r) is page firstPage + r · columns + c and shows the sheet from (c · tileStepX,
    // r · tileStepY) at the page's (0, windowTop).
    int columns = 1;
    int rows = 1;
    std::int32_t tileStepX = 0;
    std::int32_t tileStepY = 0;
    std::int32_t windowTop = 0;
    // On its page (or, tiled, on the sheet): the Y the outline's top was moved to, the Y of its
    // trailing edge, and of its cut line; turned, the X where the width line ends.
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int32_t cutY = 0;
    std::int32_t referenceX = 0;
    std::string caption;

    int tileCount() const { return columns * rows; }
};

// The templates laid out on pages of one printer.
struct TemplateDocument {
    PrinterGeometry page;
    std::vector<TemplatePage> pages;
    std::vector<TemplatePlacement> placements;
    // The outlines at the page's resolution where they were placed (on the sheet, tiled).
    SectionOutlines outlines;
};

// "Профиль сечения лопасти 0,2 радиуса".
std::string sectionCaption(int section);

// Lays the nine sections out one below the other at true size, each with its caption above
// it, its dotted cut line and scissors mark below it and, turned, its width and drop lines. The
// layout's distances are 600 dpi pixels at and below 600 dpi and grow in proportion above it;
// captions and scissors take the largest size from 8 down to 6 points that fits their room,
// and no two elements overlap. A section starts a new page when it is not the first on its page
// and would reach past the printable height; one that does not fit an empty page is tiled
// (kMaxTilesPerTemplate at most). Every stroke's arithmetic is done here, so nothing can fail
// once paper is used. Throws TemplateLayoutError (Russian, saying why) for a section of
// negative size, one that needs too many tiles or a page that cannot hold a template, and
// ArithmeticError for coordinates beyond 32 bits.
TemplateDocument layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                                 const SectionOptions& options);

}  // namespace kelvarin
