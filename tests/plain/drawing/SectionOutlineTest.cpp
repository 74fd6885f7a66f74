// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionOutline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "core/IntegerRounding.h"
#include "support/DefaultDesign.h"

namespace kelvarin {
namespace {

using testing::DefaultDesign;

OutlinePoint P(std::int32_t x, std::int32_t y) {
    return {x, y};
}

class Outlines : public ::testing::Test {
protected:
    PropellerDesign d = DefaultDesign();
    SectionOutlines built;

    void Build(bool turned, std::int32_t dpi = 600) {
        built = buildSectionOutlines(d, dpi, turned);
    }
    const SectionPolyline& outline(int n) const { return built.section(n); }
};

TEST_F(Outlines, WorkedExampleFlat) {
    Build(false);
    EXPECT_EQ(built.dpi, 600);
    const SectionPolyline work = workOutline(d.profiles[stationIndex(11)]);
    EXPECT_EQ(work[0], P(652, 0));
    EXPECT_EQ(work[7], P(196, 46));
    EXPECT_EQ(work[12], P(0, 14));
    EXPECT_EQ(outline(11)[0], P(1540, 109));
    EXPECT_EQ(outline(11)[7], P(463, 0));
    EXPECT_EQ(outline(11)[12], P(0, 76));
}

TEST_F(Outlines, WorkedExampleTurned) {
    Build(true);
    EXPECT_EQ(outline(11)[0], P(1505, 437));
    EXPECT_EQ(outline(11)[7], P(476, 101));
    EXPECT_EQ(outline(11)[12], P(7, 76));
}

TEST_F(Outlines, FlatShapeInvariants) {
    Build(false);
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
        const std::int32_t top = roundToInt32(10 * d.profiles[stationIndex(n)].upperMm[5]);
        EXPECT_EQ(high->y, roundToInt32(top * g));
        EXPECT_EQ(o[0].y, high->y);
        for (int i = 17; i <= 24; ++i) {
            EXPECT_EQ(o[i].y, o[0].y) << "flat bottom point " << i;
        }
        // The trailing edge lies at the chord length in device pixels.
        const double chordPixels = d.stations.chordM[stationIndex(n)] * 10000 * g;
        EXPECT_NEAR(o[0].x, chordPixels, 0.5 * g + 0.5);
    }
}

TEST_F(Outlines, TurnedKeepsLeadingEndOfChordAndDropsTrailingEdge) {
    Build(true);
    const double g = 600 / 254.0;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        SCOPED_TRACE(n);
        const SectionPolyline& o = outline(n);
        EXPECT_EQ(o[0], o[24]);
        const std::size_t s = stationIndex(n);
        EXPECT_NEAR(o[0].x, d.stations.bladeWidthM[s] * 10000 * g, 2.0);
        // The trailing edge sits Hc below the flat chord line.
        const std::int32_t top = roundToInt32(10 * d.profiles[s].upperMm[5]);
        const std::int32_t chordLine = roundToInt32(top * g);
        EXPECT_NEAR(o[0].y - chordLine, d.stations.axialDepthM[s] * 10000 * g, 2.0);
    }
}

TEST_F(Outlines, AngleZeroTurnedEqualsFlat) {
    Build(false);
    const auto flat = built.polylines;
    d.stations.bladeAngleDeg.fill(0.0);
    d.stations.axialDepthM.fill(0.0);
    for (std::size_t s = 0; s < kStationCount; ++s) {
        d.stations.bladeWidthM[s] = d.stations.chordM[s];
    }
    Build(true);
    EXPECT_EQ(built.polylines, flat);
}

TEST_F(Outlines, BeforeAnyCalculationEveryPointIsOrigin) {
    const PropellerDesign empty;
    for (bool turned : {false, true}) {
        for (const SectionPolyline& o : buildSectionOutlines(empty, 600, turned).polylines) {
            for (OutlinePoint p : o) {
                EXPECT_EQ(p, P(0, 0));
            }
        }
    }
}

TEST_F(Outlines, ScaleFollowsResolution) {
    Build(false, 300);
    // 65.2 mm at 300 dpi.
    EXPECT_EQ(outline(11)[0].x, roundToInt32(652 * (300 / 254.0)));
}

TEST_F(Outlines, OverflowFails) {
    // A pasted diameter of 1E12 cm: the profiles run far beyond 32-bit pixels.
    for (SectionProfile& p : d.profiles) {
        for (double& x : p.xMm) {
            x *= 1e10;
        }
    }
    for (bool turned : {false, true}) {
        try {
            Build(turned);
            ADD_FAILURE() << "expected an ArithmeticError";
        } catch (const ArithmeticError& e) {
            EXPECT_STREQ(e.what(), "Размеры сечений слишком велики для построения");
        }
    }
}

TEST_F(Outlines, TranslateMovesOneEntryOnly) {
    Build(false);
    const auto before = built.polylines;
    translateOutline(built, 5, 200, 300);
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        const std::size_t e = sectionIndex(n);
        for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
            const OutlinePoint expected =
                n == 5 ? P(before[e][i].x + 200, before[e][i].y + 300) : before[e][i];
            EXPECT_EQ(built.polylines[e][i], expected) << "section " << n << " point " << i;
        }
    }
}

TEST_F(Outlines, TranslateRefusesOverflowAndUnknownSections) {
    Build(false);
    const auto before = built.polylines;
    EXPECT_THROW(translateOutline(built, 3, std::numeric_limits<std::int32_t>::max(), 0),
                 ArithmeticError);
    EXPECT_EQ(built.polylines, before);
    EXPECT_THROW(translateOutline(built, 2, 1, 1), std::out_of_range);
    EXPECT_THROW(translateOutline(built, 12, 1, 1), std::out_of_range);
    EXPECT_THROW(built.section(2), std::out_of_range);
}

}  // namespace
}  // namespace kelvarin
