// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "model3d/PropellerShape.h"

namespace kelvarin::model3d {

// A point of a section in its own frame, millimetres: u along the flat bottom line from its
// leading end, v above that line.
struct SectionPoint {
    double u = 0;
    double v = 0;
};

// One cubic Bezier piece: start, two control points, end.
using SectionBezier = std::array<SectionPoint, 4>;

inline constexpr std::size_t kSectionCurveCount = 24;

// The closed outline of a section as the templates draw it: 24 bent cubic Bezier pieces from
// the trailing edge over the upper surface to the leading edge and back along the lower
// surface, built by the very construction of the template drawing at a resolution of 1 µm.
// Piece i ends where piece i + 1 starts; the last ends where the first starts.
std::array<SectionBezier, kSectionCurveCount> sectionCurves(const SectionProfileMm& profile);

}  // namespace kelvarin::model3d
