// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/OutlineDrawing.h"

#include <cmath>
#include <numbers>

#include "core/IntegerRounding.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kOutlinePenWidth = 2;
constexpr std::int32_t kMarkPenWidth = 1;
constexpr std::int32_t kMarkReachBefore = 5;  // left and top of the mark from its point
constexpr std::int32_t kMarkReachAfter = 6;   // right and bottom, exclusive

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

BezierSegment BentSegment(OutlinePoint p0, OutlinePoint p1, const SegmentBend& bend) {
    const double cosA = std::cos(Radians(bend.CosAngle));
    const double sinB = std::sin(Radians(bend.SinAngle));
    // The straight one-third point seen from p1, and the third of the segment back to p0.
    const double dx = SubtractInt32(p0.x, p1.x);
    const double dy = SubtractInt32(p0.y, p1.y);
    const OutlinePoint third{AddInt32(p1.x, RoundToInt32(2 * dx / 3)),
                             AddInt32(p1.y, RoundToInt32(2 * dy / 3))};
    const double wx = SubtractInt32(p0.x, third.x);
    const double wy = SubtractInt32(p0.y, third.y);

    const OutlinePoint q1{AddInt32(p0.x, RoundToInt32(-wx * cosA + wy * sinB)),
                          AddInt32(p0.y, RoundToInt32(-wx * sinB - wy * cosA))};
    const OutlinePoint q2{AddInt32(p1.x, RoundToInt32(wx * cosA + wy * sinB)),
                          AddInt32(p1.y, RoundToInt32(-wx * sinB + wy * cosA))};
    return {p0, q1, q2, p1};
}

}  // namespace

std::array<BezierSegment, kSegmentCount> OutlineSegments(const SectionPolyline& outline) {
    std::array<BezierSegment, kSegmentCount> segments{};
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        segments[i] = BentSegment(outline[i], outline[i + 1], SegmentBendAngles[i]);
    }
    return segments;
}

MarkRect ControlMarkRect(OutlinePoint point) {
    return {SubtractInt32(point.x, kMarkReachBefore), SubtractInt32(point.y, kMarkReachBefore),
            AddInt32(point.x, kMarkReachAfter), AddInt32(point.y, kMarkReachAfter)};
}

void DrawOutline(Canvas& canvas, const SectionPolyline& outline, bool showControl) {
    const auto segments = OutlineSegments(outline);
    std::array<MarkRect, kOutlinePointCount> marks{};
    if (showControl) {
        for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
            marks[i] = ControlMarkRect(outline[i]);
        }
    }

    canvas.SetPenWidth(kOutlinePenWidth);
    for (const BezierSegment& segment : segments) {
        canvas.PolyBezier(segment);
    }
    if (showControl) {
        canvas.SetPenStyle(PenStyle::Solid);
        canvas.SetPenWidth(kMarkPenWidth);
        canvas.SetPenColor(kPureRed);
        for (const MarkRect& m : marks) {
            canvas.Ellipse(m.left, m.top, m.right, m.bottom);
        }
        canvas.SetPenColor(kBlack);
    }
}

}  // namespace kelvarin
