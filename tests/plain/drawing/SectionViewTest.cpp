// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <gtest/gtest.h>

#include "core/Failure.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

using testing::ScopedSeparator;

TEST(SectionViewCaption, PlaceOnTheBlade) {
    ScopedSeparator comma{','};
    PropellerDesign d;
    EXPECT_EQ(sectionViewCaption(d, 3), "Сечение 0,2 радиуса: 0,0 мм от центра винта");
    d.sizing.diameterCm = 151.7;
    EXPECT_EQ(sectionViewCaption(d, 3), "Сечение 0,2 радиуса: 151,7 мм от центра винта");
    EXPECT_EQ(sectionViewCaption(d, 11), "Сечение 1 радиуса: 758,5 мм от центра винта");
    d.sizing.diameterCm = 2500;
    EXPECT_EQ(sectionViewCaption(d, 11), "Сечение 1 радиуса: 1,25E4 мм от центра винта");
    ScopedSeparator point{'.'};
    EXPECT_EQ(sectionViewCaption(d, 7), "Сечение 0.6 радиуса: 7500.0 мм от центра винта");
}

// At least as wide as the trailing edge's X and 10 pixels below it, and wide enough for every
// stroke with its pen: the curves bulge above the highest point, the pen past both edges.
TEST(SectionBitmapSize, HoldsTheWholeDrawnOutline) {
    const PropellerDesign d = testing::DefaultDesign();
    for (const bool turned : {false, true}) {
        for (const std::int32_t dpi : {600, 1200}) {
            SectionOutlines outlines = buildSectionOutlines(d, dpi, turned);
            for (int n = kFirstSection; n <= kLastSection; ++n) {
                const OutlinePoint te = outlines.section(n)[0];
                const ViewBitmapSize size = sectionBitmapSize(outlines, n);
                EXPECT_GE(size.width, size.originX + te.x);
                EXPECT_GE(size.height, size.originY + te.y + 10);
                translateOutline(outlines, n, size.originX, size.originY);
                testing::RecordingCanvas canvas;
                drawOutline(canvas, outlines.section(n), false, dpi);
                const std::int32_t reach = (outlinePens(dpi).outlineWidth + 1) / 2;
                for (const testing::Stroke& stroke : canvas.Of(testing::Stroke::Bezier)) {
                    for (const OutlinePoint& p : stroke.points) {
                        EXPECT_TRUE(p.x - reach >= 0 && p.x + reach < size.width &&
                                    p.y - reach >= 0 && p.y + reach < size.height)
                            << "section " << n << (turned ? " turned " : " flat ") << dpi;
                    }
                }
            }
        }
    }
    const ViewBitmapSize flat = sectionBitmapSize(buildSectionOutlines(d, 600, false), 3);
    // Turned, the section is narrower (its width instead of its chord) and taller (the drop).
    const ViewBitmapSize turned = sectionBitmapSize(buildSectionOutlines(d, 600, true), 3);
    EXPECT_LT(turned.width, flat.width);
    EXPECT_GT(turned.height, flat.height);

    const ViewBitmapSize none = sectionBitmapSize(SectionOutlines{}, 3);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 10);
}

TEST(SectionBitmapSize, RefusesNegativeAndHugeBitmaps) {
    SectionOutlines o;
    // An outline shrunk to its trailing edge: only the pen widens it, 2 pixels to the right.
    const auto at = [&o](OutlinePoint te) {
        o.section(5).fill(te);
        return sectionBitmapSize(o, 5);
    };
    EXPECT_THROW(at({-1, 100}), Failure);
    EXPECT_THROW(at({100, -11}), Failure);
    const ViewBitmapSize limit = at({5998, 10000 - 10});  // exactly at the limit
    EXPECT_EQ(limit.width, 6000);
    EXPECT_EQ(limit.height, 10000);
    EXPECT_THROW(at({5998, 10001 - 10}), Failure);
    EXPECT_THROW(at({0, std::numeric_limits<std::int32_t>::max()}), Failure);  // would overflow
    EXPECT_THROW(sectionBitmapSize(o, 2), std::out_of_range);
}

// The view draws at the printer's resolution, or a whole fraction of it where that bitmap would
// be too large: every section of ordinary designs, flat and turned, is shown at 2400 dpi too.
TEST(SectionBitmapSize, OrdinaryDesignsFitAt2400Dpi) {
    for (const char* diameter : {"151,7", "170", "250", "300"}) {
        for (const char* pitch : {"0,52", "1", "1,5"}) {
            const PropellerDesign d = testing::DesignOf(diameter, pitch);
            for (const bool turned : {false, true}) {
                for (int n = kFirstSection; n <= kLastSection; ++n) {
                    EXPECT_NO_THROW(sectionBitmapSize(buildViewOutlines(d, 2400, turned, n), n))
                        << diameter << " cm, " << pitch << " m, section " << n
                        << (turned ? " turned" : " flat");
                }
            }
        }
    }
}

TEST(BuildViewOutlines, StepsDownOnlyWhenTheBitmapWouldBeTooLarge) {
    PropellerDesign d = testing::DefaultDesign();
    EXPECT_EQ(buildViewOutlines(d, 1200, true, 3).dpi, 1200);  // about 29 million pixels

    d = testing::DesignOf("300", "1,5");
    const OutlinePoint full = buildSectionOutlines(d, 1200, true).section(3)[0];
    EXPECT_GT(std::int64_t{full.x} * (full.y + 10), kMaxViewBitmapPixels);
    const SectionOutlines view = buildViewOutlines(d, 1200, true, 3);
    EXPECT_EQ(view.dpi, 600);  // a half is enough
    const OutlinePoint half = view.section(3)[0];
    EXPECT_NEAR(half.x, full.x / 2.0, 2);
    EXPECT_NEAR(half.y, full.y / 2.0, 2);

    // A 50 m propeller still shows, at the largest fraction of 1200 dpi that fits.
    d = testing::DesignOf("5000", "1,5");
    const SectionOutlines small = buildViewOutlines(d, 1200, true, 3);
    EXPECT_NO_THROW(sectionBitmapSize(small, 3));
    EXPECT_LT(small.dpi, 300);
    const std::int32_t divisor = 1200 / small.dpi;
    const OutlinePoint larger = buildSectionOutlines(d, 1200 / (divisor - 1), true).section(3)[0];
    EXPECT_GT(std::int64_t{larger.x} * (larger.y + 10), kMaxViewBitmapPixels);

    // Rounding makes the bitmap shrink a little faster than the square of the divisor: an
    // estimate from it stepped past 21 dpi, which fits, to 20.
    d = testing::DesignOf("151,7", "99,9");
    EXPECT_EQ(buildViewOutlines(d, 600, false, 3).dpi, 21);
}

}  // namespace
}  // namespace kelvarin
