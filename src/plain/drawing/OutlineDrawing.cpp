// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/OutlineDrawing.h"

#include <cmath>
#include <numbers>

#include "core/IntegerRounding.h"
#include "drawing/DeviceUnits.h"

namespace kelvarin {

namespace {

// At 600 dpi and below; above, in proportion (layoutPixels).
constexpr std::int32_t kOutlinePenWidth = 2;  // 0.085 mm at 600 dpi
constexpr std::int32_t kMarkPenWidth = 1;
constexpr std::int32_t kMarkReachBefore = 5;  // left and top of the mark from its point
constexpr std::int32_t kMarkReachAfter = 6;   // right and bottom, exclusive

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

BezierSegment bentSegment(OutlinePoint p0, OutlinePoint p1, const SegmentBend& bend) {
    const double cosA = std::cos(radians(bend.cosAngleDeg));
    const double sinB = std::sin(radians(bend.sinAngleDeg));
    // The straight one-third point seen from p1, and the third of the segment back to p0.
    const double dx = subtractInt32(p0.x, p1.x);
    const double dy = subtractInt32(p0.y, p1.y);
    const OutlinePoint third{addInt32(p1.x, roundToInt32(2 * dx / 3)),
                             addInt32(p1.y, roundToInt32(2 * dy / 3))};
    const double wx = subtractInt32(p0.x, third.x);
    const double wy = subtractInt32(p0.y, third.y);

    const OutlinePoint q1{addInt32(p0.x, roundToInt32(-wx * cosA + wy * sinB)),
                          addInt32(p0.y, roundToInt32(-wx * sinB - wy * cosA))};
    const OutlinePoint q2{addInt32(p1.x, roundToInt32(wx * cosA + wy * sinB)),
                          addInt32(p1.y, roundToInt32(-wx * sinB + wy * cosA))};
    return {p0, q1, q2, p1};
}

}  // namespace

std::array<BezierSegment, kSegmentCount> outlineSegments(const SectionPolyline& outline) {
    std::array<BezierSegment, kSegmentCount> segments{};
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        segments[i] = bentSegment(outline[i], outline[i + 1], kSegmentBends[i]);
    }
    return segments;
}

OutlinePens outlinePens(std::int32_t dpi) {
    return {layoutPixels(kOutlinePenWidth, dpi), layoutPixels(kMarkPenWidth, dpi),
            layoutPixels(kMarkReachBefore, dpi), layoutPixels(kMarkReachAfter, dpi)};
}

MarkRect controlMarkRect(OutlinePoint point, const OutlinePens& pens) {
    return {subtractInt32(point.x, pens.markReachBefore),
            subtractInt32(point.y, pens.markReachBefore), addInt32(point.x, pens.markReachAfter),
            addInt32(point.y, pens.markReachAfter)};
}

void drawOutline(Canvas& canvas, const SectionPolyline& outline, bool controlMarks,
                 std::int32_t dpi) {
    const OutlinePens pens = outlinePens(dpi);
    const auto segments = outlineSegments(outline);
    std::array<MarkRect, kOutlinePointCount> marks{};
    if (controlMarks) {
        for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
            marks[i] = controlMarkRect(outline[i], pens);
        }
    }

    canvas.setPenWidth(pens.outlineWidth);
    for (const BezierSegment& segment : segments) {
        canvas.polyBezier(segment);
    }
    if (controlMarks) {
        canvas.setPenStyle(PenStyle::Solid);
        canvas.setPenWidth(pens.markWidth);
        canvas.setPenColor(kPureRed);
        for (const MarkRect& m : marks) {
            canvas.ellipse(m.left, m.top, m.right, m.bottom);
        }
        canvas.setPenColor(kBlack);
    }
}

}  // namespace kelvarin
