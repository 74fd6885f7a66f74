// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/OutlineDrawing.h"

#include <gtest/gtest.h>

#include <limits>

#include "drawing/SectionOutline.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"

namespace kelvarin {
namespace {

using testing::RecordingCanvas;
using testing::Stroke;

OutlinePoint P(std::int32_t x, std::int32_t y) {
    return {x, y};
}

// An outline whose segment `i` runs from a to b, every other point at a.
SectionPolyline WithSegment(std::size_t i, OutlinePoint a, OutlinePoint b) {
    SectionPolyline o{};
    o.fill(a);
    o[i + 1] = b;
    return o;
}

TEST(OutlineSegments, StraightSegmentHasControlsAtTheThirds) {
    // Segment 16 lies on the flat bottom: no bend at all.
    const auto s = outlineSegments(WithSegment(16, P(1000, 100), P(400, 100)))[16];
    EXPECT_EQ(s[0], P(1000, 100));
    EXPECT_EQ(s[1], P(800, 100));
    EXPECT_EQ(s[2], P(600, 100));
    EXPECT_EQ(s[3], P(400, 100));
}

TEST(OutlineSegments, BentSegmentsWorkedByHand) {
    // Segment 12 (30°, 30°): d = (-100, -54), one-third point (33, 94), w = (-33, -18).
    const auto nose = outlineSegments(WithSegment(12, P(0, 76), P(100, 130)))[12];
    EXPECT_EQ(nose[1], P(20, 108));
    EXPECT_EQ(nose[2], P(62, 131));
    // Segment 11 mixes cos 1° with sin 20°: w = (10, -10).
    const auto mixed = outlineSegments(WithSegment(11, P(30, 10), P(0, 40)))[11];
    EXPECT_EQ(mixed[1], P(17, 17));
    EXPECT_EQ(mixed[2], P(7, 27));
}

TEST(DrawOutline, TwentyFourSegmentsWithATwoPixelPen) {
    const SectionPolyline o = buildSectionOutlines(testing::DefaultDesign(), 600, false).section(3);

    RecordingCanvas canvas;
    drawOutline(canvas, o, false, 600);
    ASSERT_EQ(canvas.strokes.size(), kSegmentCount);
    const auto segments = outlineSegments(o);
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        const Stroke& s = canvas.strokes[i];
        EXPECT_EQ(s.kind, Stroke::Bezier);
        EXPECT_EQ(s.penWidth, 2);
        EXPECT_EQ(s.points.front(), o[i]);
        EXPECT_EQ(s.points.back(), o[i + 1]);
        EXPECT_EQ(s.points[1], segments[i][1]);
        EXPECT_EQ(s.points[2], segments[i][2]);
    }
    EXPECT_EQ(canvas.width_, 2);
    // The flat part of the lower surface stays straight.
    for (std::size_t i = 17; i < kSegmentCount; ++i) {
        EXPECT_EQ(segments[i][1].y, o[i].y);
        EXPECT_EQ(segments[i][2].y, o[i].y);
    }
}

TEST(DrawOutline, ControlMarksAreRedCirclesAndLeaveAOnePixelBlackPen) {
    SectionPolyline o{};
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        o[i] = P(static_cast<std::int32_t>(10 * i), static_cast<std::int32_t>(3 * i));
    }
    RecordingCanvas canvas;
    canvas.style_ = PenStyle::Dotted;
    drawOutline(canvas, o, true, 600);
    const auto marks = canvas.Of(Stroke::Ellipse);
    ASSERT_EQ(marks.size(), kOutlinePointCount);
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        EXPECT_EQ(marks[i].points[0], P(o[i].x - 5, o[i].y - 5));
        EXPECT_EQ(marks[i].points[1], P(o[i].x + 6, o[i].y + 6));
        EXPECT_EQ(marks[i].penWidth, 1);
        EXPECT_EQ(marks[i].penColor, kPureRed);
        EXPECT_EQ(marks[i].penStyle, PenStyle::Solid);
    }
    // Marks come after every segment, so they cover the outline inside them.
    EXPECT_EQ(canvas.strokes[kSegmentCount - 1].kind, Stroke::Bezier);
    EXPECT_EQ(canvas.strokes[kSegmentCount].kind, Stroke::Ellipse);
    EXPECT_EQ(canvas.color_, kBlack);
    EXPECT_EQ(canvas.width_, 1);
}

// Pens and marks are 600 dpi pixels at and below 600 dpi and keep their size on paper above it,
// rounded up: the outline never prints thinner than 0.08 mm.
TEST(DrawOutline, PensGrowWithTheResolutionAbove600Dpi) {
    const SectionPolyline o{};
    for (const auto [dpi, outline, mark, reach] :
         {std::array{300, 2, 1, 11}, std::array{600, 2, 1, 11}, std::array{720, 3, 2, 14},
          std::array{1200, 4, 2, 22}, std::array{2400, 8, 4, 44}}) {
        SCOPED_TRACE(dpi);
        RecordingCanvas canvas;
        drawOutline(canvas, o, true, dpi);
        EXPECT_EQ(canvas.Of(Stroke::Bezier)[0].penWidth, outline);
        EXPECT_GE(outline * 25.4 / dpi, 0.08);
        const Stroke m = canvas.Of(Stroke::Ellipse)[0];
        EXPECT_EQ(m.penWidth, mark);
        EXPECT_EQ(m.points[1].x - m.points[0].x, reach);
    }
}

TEST(DrawOutline, OverflowDrawsNothing) {
    const std::int32_t far = std::numeric_limits<std::int32_t>::max() - 2;
    SectionPolyline o{};
    o.fill(P(far, 0));
    RecordingCanvas canvas;
    // The segments fit; the marks' right edges do not.
    EXPECT_NO_THROW(outlineSegments(o));
    EXPECT_THROW(drawOutline(canvas, o, true, 600), ArithmeticError);
    // A control point beyond 32 bits.
    const SectionPolyline bent = WithSegment(12, P(-far, 0), P(far, 0));
    EXPECT_THROW(drawOutline(canvas, bent, false, 600), ArithmeticError);
    EXPECT_TRUE(canvas.strokes.empty());
}

}  // namespace
}  // namespace kelvarin
