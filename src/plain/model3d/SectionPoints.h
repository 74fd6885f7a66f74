// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "model3d/PropellerShape.h"

namespace kelvarin {

// A point of a section in its own frame, millimetres: u along the flat bottom line from its
// leading end, v above that line.
struct SectionPoint {
    double u = 0;
    double v = 0;
};

// The closed outline's points in the order the smooth section runs through them: the middle of
// the rounded trailing edge, half its thickness behind the chord's end; the upper end of the
// trailing edge, the upper surface forward to the leading edge, the lower surface back to the
// lower end of the trailing edge; the section closes from there round to the first point.
inline constexpr std::size_t kSolidOutlinePointCount = 26;
using OutlinePoints = std::array<SectionPoint, kSolidOutlinePointCount>;

// The profile's points with the trailing edge at least `trailingEdgeMm` thick. Only the last
// part, from the last point as thick as that to the trailing edge, is thickened (its upper
// surface raised, so the flat bottom stays flat), growing to the full thickness at the edge;
// the chord keeps its length and grows by the edge's rounding, half its thickness. Every other
// point is the template's own.
OutlinePoints outlinePoints(const SectionProfileMm& profile, double trailingEdgeMm);

// The thickest point of a profile, millimetres: how thick a trailing edge it can take.
double greatestThicknessMm(const SectionProfileMm& profile);

// The profile shrunk towards the middle of its chord: the chord by `chordScale`, the heights by
// `heightScale`. For the rounded tip.
SectionProfileMm shrunkProfile(const SectionProfileMm& profile, double chordScale,
                               double heightScale);

}  // namespace kelvarin
