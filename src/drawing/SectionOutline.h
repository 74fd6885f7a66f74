// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/PropellerDesign.h"
#include "drawing/Printer.h"

namespace kelvarin {

// Asks the printer for LogPixelsX, HorzRes and VertRes and stores them in design.Printer.
// Throws PrinterMissing (and leaves everything untouched) when there is no default printer.
void readPrinterGeometry(PropellerDesign& design, Printer& printer);

// Re-reads the printer and rebuilds the nine outlines of sections 3..11 at the printer's true
// scale, flat or turned to the blade angle as design.ShowUgol says. A coordinate that does not
// fit 32 bits throws ArithmeticError and leaves design.Outlines as they were.
void buildSectionOutlines(PropellerDesign& design, Printer& printer);

// Moves every point of the outline of `section` (3..11) by dx across and dy down, in place.
// Throws std::out_of_range for another section number, ArithmeticError on overflow (the
// outline is then left unchanged).
void translateOutline(PropellerDesign& design, int section, std::int32_t dx, std::int32_t dy);

// The outline of `section` (3..11); throws std::out_of_range for another number.
const SectionPolyline& sectionOutline(const PropellerDesign& design, int section);

}  // namespace kelvarin
