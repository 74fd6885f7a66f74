// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "core/PropellerDesign.h"
#include "drawing/Printer.h"
#include "drawing/SectionOptions.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

// Where one section's template goes on its page, in device pixels from the top-left corner of
// the printable area.
struct TemplatePlacement {
    int section = 0;
    bool newPageBefore = false;
    std::int32_t top = 0;         // Y of the section's top
    std::int32_t captionY = 0;    // Y of the caption's top
    std::int32_t bottom = 0;      // Y of its trailing edge
    std::int32_t cutY = 0;        // Y of its cut line
    std::int32_t referenceX = 0;  // end of the width reference line, turned sections only
};

// The nine templates laid out on pages of one printer: the outlines at the printer's resolution
// moved to their page positions, and one placement per section in print order.
struct TemplateLayout {
    PrinterGeometry page;
    SectionOutlines outlines;
    std::vector<TemplatePlacement> placements;
};

// Lays the sections out one below the other. A section starts a new page when it is not the
// first on its page and its outline or cut line would reach past the printable height; no page
// follows the last section. Every stroke's arithmetic is tried here, so that nothing can fail
// once paper is used: throws ArithmeticError on a coordinate beyond 32 bits, and a Failure with
// a Russian text for a section of negative size.
TemplateLayout layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                               const SectionOptions& options);

// Prints the nine sections at true size on the printer, each with its caption, its dotted cut
// line and scissors mark, and, turned, the two reference lines of the turned section. Fails
// before any document is begun when there is no printer (PrinterMissing) or when the design
// cannot be laid out (a Failure with a Russian text).
void printTemplates(const PropellerDesign& design, Printer& printer, const SectionOptions& options);

}  // namespace kelvarin
