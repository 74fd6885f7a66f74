// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/BladeTables.h"
#include "core/PropellerDesign.h"
#include "drawing/SectionPolyline.h"

namespace kelvarin {

// The outlines of sections 3..11 at true size in the device pixels of one resolution.
struct SectionOutlines {
    std::int32_t dpi = 0;  // the resolution they were built at
    std::array<SectionPolyline, kSectionCount> polylines{};

    // The outline of `section` (3..11); throws std::out_of_range for another number.
    const SectionPolyline& section(int section) const;
    SectionPolyline& section(int section);
};

// A profile's 13 points as a closed outline in tenths of a millimetre: the upper surface from
// the trailing edge to the leading edge, then the lower surface back. Throws ArithmeticError
// when a point does not fit 32 bits.
SectionPolyline workOutline(const SectionProfile& profile);

// The nine outlines of the design at `dpi`, flat with the highest point of each on Y = 0, or
// turned to the blade angle about the trailing end of the chord line. A coordinate that does
// not fit 32 bits throws ArithmeticError.
SectionOutlines buildSectionOutlines(const PropellerDesign& design, std::int32_t dpi, bool turned);

// Moves every point of the outline of `section` (3..11) by dx across and dy down, in place.
// Throws std::out_of_range for another section number, ArithmeticError on overflow (the
// outline is then left unchanged).
void translateOutline(SectionOutlines& outlines, int section, std::int32_t dx, std::int32_t dy);

}  // namespace kelvarin
