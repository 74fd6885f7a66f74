// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionOutline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "core/IntegerRounding.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"

namespace kelvarin {
namespace {

using testing::DefaultDesign;
using testing::FakePrinter;

OutlinePoint P(std::int32_t x, std::int32_t y) {
    return {x, y};
}

class Outlines : public ::testing::Test {
protected:
    PropellerDesign d = DefaultDesign();
    FakePrinter printer{{600, 4760, 6814}};

    const SectionPolyline& outline(int n) const { return sectionOutline(d, n); }
};

TEST_F(Outlines, WorkedExampleFlat) {
    buildSectionOutlines(d, printer);
    EXPECT_EQ(d.Printer.LogPixelsX, 600);
    EXPECT_EQ(d.Printer.VertRes, 6814);
    // The work outline left behind is the last one built, section 11's.
    EXPECT_EQ(d.WorkOutline[0], P(652, 0));
    EXPECT_EQ(d.WorkOutline[7], P(196, 46));
    EXPECT_EQ(d.WorkOutline[12], P(0, 14));
    EXPECT_EQ(outline(11)[0], P(1540, 109));
    EXPECT_EQ(outline(11)[7], P(463, 0));
    EXPECT_EQ(outline(11)[12], P(0, 76));
}

TEST_F(Outlines, WorkedExampleTurned) {
    d.ShowUgol = true;
    buildSectionOutlines(d, printer);
    EXPECT_EQ(d.WorkOutline[0], P(652, 0));
    EXPECT_EQ(d.WorkOutline[7], P(196, 46));
    EXPECT_EQ(d.WorkOutline[12], P(0, 14));
    EXPECT_EQ(outline(11)[0], P(1505, 437));
    EXPECT_EQ(outline(11)[7], P(476, 101));
    EXPECT_EQ(outline(11)[12], P(7, 76));
    // The flat points the section was turned from.
    EXPECT_EQ(d.TurnedOutline[0], P(1540, 109));
    EXPECT_EQ(d.TurnedOutline[7], P(463, 0));
}

TEST_F(Outlines, FlatShapeInvariants) {
    buildSectionOutlines(d, printer);
    const double g = 600 / 254.0;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        SCOPED_TRACE(n);
        const SectionPolyline& o = outline(n);
        EXPECT_EQ(o[0], o[24]);
        EXPECT_EQ(o[12].x, 0);  // the leading edge
        const auto [low, high] = std::minmax_element(
            o.begin(), o.end(), [](OutlinePoint a, OutlinePoint b) { return a.y < b.y; });
        EXPECT_EQ(low->y, 0);
        EXPECT_EQ(o[7].y, 0);
        // The chord line lies the section's thickness below its highest point.
        const std::int32_t top = roundToInt32(10 * d.Profiles[stationIndex(n)].Yv[5]);
        EXPECT_EQ(high->y, roundToInt32(top * g));
        EXPECT_EQ(o[0].y, high->y);
        for (int i = 17; i <= 24; ++i) {
            EXPECT_EQ(o[i].y, o[0].y) << "flat bottom point " << i;
        }
        // The trailing edge lies at the chord length in device pixels.
        const double chordPixels = d.Stations.BlCos[stationIndex(n)] * 10000 * g;
        EXPECT_NEAR(o[0].x, chordPixels, 0.5 * g + 0.5);
    }
}

TEST_F(Outlines, TurnedKeepsLeadingEndOfChordAndDropsTrailingEdge) {
    d.ShowUgol = true;
    buildSectionOutlines(d, printer);
    const double g = 600 / 254.0;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        SCOPED_TRACE(n);
        const SectionPolyline& o = outline(n);
        EXPECT_EQ(o[0], o[24]);
        const std::size_t s = stationIndex(n);
        EXPECT_NEAR(o[0].x, d.Stations.Bl[s] * 10000 * g, 2.0);
        // The trailing edge sits Hc below the flat chord line.
        const std::int32_t top = roundToInt32(10 * d.Profiles[s].Yv[5]);
        const std::int32_t chordLine = roundToInt32(top * g);
        EXPECT_NEAR(o[0].y - chordLine, d.Stations.Hc[s] * 10000 * g, 2.0);
    }
}

TEST_F(Outlines, AngleZeroTurnedEqualsFlat) {
    buildSectionOutlines(d, printer);
    const auto flat = d.Outlines;
    d.Stations.Alpha.fill(0.0);
    d.Stations.Hc.fill(0.0);
    for (std::size_t s = 0; s < kStationCount; ++s) {
        d.Stations.Bl[s] = d.Stations.BlCos[s];
    }
    d.ShowUgol = true;
    buildSectionOutlines(d, printer);
    EXPECT_EQ(d.Outlines, flat);
}

TEST_F(Outlines, BeforeAnyCalculationEveryPointIsOrigin) {
    PropellerDesign empty;
    for (bool turned : {false, true}) {
        empty.ShowUgol = turned;
        buildSectionOutlines(empty, printer);
        for (const SectionPolyline& o : empty.Outlines) {
            for (OutlinePoint p : o) {
                EXPECT_EQ(p, P(0, 0));
            }
        }
    }
}

TEST_F(Outlines, ScaleFollowsResolution) {
    printer.fixedGeometry = {300, 2380, 3407};
    buildSectionOutlines(d, printer);
    // 65.2 mm at 300 dpi.
    EXPECT_EQ(outline(11)[0].x, roundToInt32(652 * (300 / 254.0)));
}

TEST_F(Outlines, MissingPrinterTouchesNothing) {
    buildSectionOutlines(d, printer);
    const PropellerDesign before = d;
    printer.missing = true;
    try {
        buildSectionOutlines(d, printer);
        FAIL() << "expected PrinterMissing";
    } catch (const PrinterMissing& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
    EXPECT_EQ(d.Outlines, before.Outlines);
    EXPECT_EQ(d.Printer.LogPixelsX, before.Printer.LogPixelsX);
}

TEST_F(Outlines, OverflowFailsAndKeepsLastGoodOutlines) {
    buildSectionOutlines(d, printer);
    const auto good = d.Outlines;
    // A pasted diameter of 1E12 cm: the profiles run far beyond 32-bit pixels.
    for (SectionProfile& p : d.Profiles) {
        for (double& x : p.X) {
            x *= 1e10;
        }
    }
    EXPECT_THROW(buildSectionOutlines(d, printer), ArithmeticError);
    EXPECT_EQ(d.Outlines, good);
    d.ShowUgol = true;
    EXPECT_THROW(buildSectionOutlines(d, printer), ArithmeticError);
    EXPECT_EQ(d.Outlines, good);
}

TEST_F(Outlines, TranslateMovesOneEntryOnly) {
    buildSectionOutlines(d, printer);
    const auto before = d.Outlines;
    translateOutline(d, 5, 200, 300);
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        const std::size_t e = sectionIndex(n);
        for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
            const OutlinePoint expected =
                n == 5 ? P(before[e][i].x + 200, before[e][i].y + 300) : before[e][i];
            EXPECT_EQ(d.Outlines[e][i], expected) << "section " << n << " point " << i;
        }
    }
}

TEST_F(Outlines, TranslateRefusesOverflowAndUnknownSections) {
    buildSectionOutlines(d, printer);
    const auto before = d.Outlines;
    EXPECT_THROW(translateOutline(d, 3, std::numeric_limits<std::int32_t>::max(), 0),
                 ArithmeticError);
    EXPECT_EQ(d.Outlines, before);
    EXPECT_THROW(translateOutline(d, 2, 1, 1), std::out_of_range);
    EXPECT_THROW(translateOutline(d, 12, 1, 1), std::out_of_range);
}

}  // namespace
}  // namespace kelvarin
