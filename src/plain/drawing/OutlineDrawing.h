// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "drawing/Canvas.h"
#include "drawing/SectionPolyline.h"

namespace kelvarin {

// How far each of the 24 segments of an outline bows outward, in degrees: the first angle is
// used through its cosine, the second through its sine. Segment i runs from point i to i + 1.
struct SegmentBend {
    double cosAngleDeg;
    double sinAngleDeg;
};

inline constexpr std::size_t kSegmentCount = kOutlinePointCount - 1;

inline constexpr std::array<SegmentBend, kSegmentCount> kSegmentBends = {{
    {5, 5},    // upper surface 100 % to 90 %
    {3, 1},    // upper 90 % to 80 %
    {1, 1},    // upper 80 % to 70 %
    {1, 1},    // upper 70 % to 60 %
    {1, 1},    // upper 60 % to 50 %
    {1, 1},    // upper 50 % to 40 %
    {2, 2},    // upper 40 % to 30 %
    {4, 4},    // upper 30 % to 20 %
    {10, 5},   // upper 20 % to 10 %
    {7, 5},    // upper 10 % to 5 %
    {8, 5},    // upper 5 % to 2.5 %
    {1, 20},   // upper 2.5 % to the leading edge
    {30, 30},  // leading edge to lower 2.5 %
    {8, 8},    // lower 2.5 % to 5 %
    {8, 3},    // lower 5 % to 10 %
    {1, 0},    // lower 10 % to 20 %
    {0, 0},    // the flat part of the lower surface, 20 % to 100 %
    {0, 0},   {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
}};

// One cubic Bezier piece: start, first control, second control, end.
using BezierSegment = std::array<OutlinePoint, 4>;

// The 24 bent segments of an outline. Throws ArithmeticError when a control point does not fit
// 32 bits.
std::array<BezierSegment, kSegmentCount> outlineSegments(const SectionPolyline& outline);

// The pens of an outline drawn at a resolution, in its device pixels: at 600 dpi and below a
// 2-pixel outline and 11-pixel control marks drawn 1 pixel wide; above 600 dpi all of it grows
// in proportion, so that the outline stays at least 0.08 mm wide and the marks keep their size
// on paper.
struct OutlinePens {
    std::int32_t outlineWidth;
    std::int32_t markWidth;
    std::int32_t markReachBefore;  // left and top of a mark from its point
    std::int32_t markReachAfter;   // right and bottom, exclusive
};
// Throws ArithmeticError for a resolution whose sizes do not fit 32 bits.
OutlinePens outlinePens(std::int32_t dpi);

// The bounding rectangle of the control mark of a point: a circle centred on it, right and
// bottom edges exclusive. Throws ArithmeticError on overflow.
using MarkRect = PixelRect;
MarkRect controlMarkRect(OutlinePoint point, const OutlinePens& pens);

// Draws the outline, built at `dpi`, as 24 bent segments and, with controlMarks, a red circle
// on each of its 25 points, with the pens of outlinePens(dpi); the pen is left black and solid,
// as wide as the marks after them, as the outline without them. All arithmetic is done before
// the first stroke, so a failure draws nothing.
void drawOutline(Canvas& canvas, const SectionPolyline& outline, bool controlMarks,
                 std::int32_t dpi);

}  // namespace kelvarin
