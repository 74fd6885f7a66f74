// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "core/PropellerDesign.h"
#include "drawing/OutlineDrawing.h"

// The blank templates a builder shapes the blade's blank with, at true size: the blade seen
// from the front (planform) and edge-on (side view).
namespace kelvarin {

// A blade view at one resolution, in its device pixels: each station at its true radius down
// the page (Y, from the innermost station's), with the blade's extent across it (X).
struct BladeView {
    std::vector<int> stations;         // station numbers, hub to tip
    std::vector<std::int32_t> radius;  // Y of each station
    std::vector<std::int32_t> left;    // X of the outline's left edge at each station
    std::vector<std::int32_t> right;   // X of its right edge
    std::int32_t hubRadius = 0;        // the innermost station's distance from the centre
};

// Seen from the front: stations 2 to 11 (station 1 shares station 2's radius), each as wide as
// its blade width, with the leading edge on X = 0 as the flat sections place their chord.
// Throws ArithmeticError beyond 32 bits.
BladeView planformView(const PropellerDesign& design, std::int32_t dpi);

// Seen edge-on: stations 3 to 11, each spanning along the axis what its turned section spans,
// measured from the leading end of its chord line (X = 0), as the turned sections lie.
BladeView sideView(const PropellerDesign& design, std::int32_t dpi);

// A smooth curve through every point in turn (Catmull-Rom, as cubic Bezier pieces).
std::vector<BezierSegment> smoothCurve(const std::vector<OutlinePoint>& points);

// The straight piece from a to b as a cubic Bezier, its controls at the thirds.
BezierSegment straightPiece(OutlinePoint a, OutlinePoint b);

}  // namespace kelvarin
