// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <gtest/gtest.h>

#include "core/Failure.h"
#include "drawing/SectionOutline.h"
#include "support/DefaultDesign.h"
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

TEST(SectionBitmapSize, TrailingEdgeAndTenPixelsBelow) {
    const PropellerDesign d = testing::DefaultDesign();
    const SectionOutlines flatOutlines = buildSectionOutlines(d, 600, false);
    const OutlinePoint te = flatOutlines.section(3)[0];
    const ViewBitmapSize flat = sectionBitmapSize(flatOutlines, 3);
    EXPECT_EQ(flat.width, te.x);
    EXPECT_EQ(flat.height, te.y + 10);

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
    auto& te = o.section(5)[0];
    te = {-1, 100};
    EXPECT_THROW(sectionBitmapSize(o, 5), Failure);
    te = {100, -11};
    EXPECT_THROW(sectionBitmapSize(o, 5), Failure);
    te = {6000, 10000 - 10};  // exactly at the limit
    EXPECT_EQ(sectionBitmapSize(o, 5).height, 10000);
    te = {6000, 10001 - 10};
    EXPECT_THROW(sectionBitmapSize(o, 5), Failure);
    te = {0, std::numeric_limits<std::int32_t>::max()};  // the margin would overflow
    EXPECT_THROW(sectionBitmapSize(o, 5), Failure);
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
