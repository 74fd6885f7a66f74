// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <gtest/gtest.h>

#include "drawing/SectionOutline.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingWindow.h"

namespace kelvarin {
namespace {

using testing::ScopedSeparator;

TEST(SectionViewCaption, PlaceOnTheBlade) {
    ScopedSeparator comma{','};
    PropellerDesign d;
    EXPECT_EQ(sectionViewCaption(d, 3), "Сечение 0,2 радиуса: 0,0 мм от центра винта");
    d.Dv = 151.7;
    EXPECT_EQ(sectionViewCaption(d, 3), "Сечение 0,2 радиуса: 151,7 мм от центра винта");
    EXPECT_EQ(sectionViewCaption(d, 11), "Сечение 1 радиуса: 758,5 мм от центра винта");
    d.Dv = 2500;
    EXPECT_EQ(sectionViewCaption(d, 11), "Сечение 1 радиуса: 1,25E4 мм от центра винта");
    ScopedSeparator point{'.'};
    EXPECT_EQ(sectionViewCaption(d, 7), "Сечение 0.6 радиуса: 7500.0 мм от центра винта");
}

TEST(SectionBitmapSize, TrailingEdgeAndTenPixelsBelow) {
    PropellerDesign d = testing::DefaultDesign();
    testing::FakePrinter printer;
    buildSectionOutlines(d, printer);
    const OutlinePoint te = sectionOutline(d, 3)[0];
    const ViewBitmapSize flat = sectionBitmapSize(d, 3);
    EXPECT_EQ(flat.width, te.x);
    EXPECT_EQ(flat.height, te.y + 10);

    // Turned, the section is narrower (Bl instead of BlCos) and taller (the drop Hc).
    d.ShowUgol = true;
    buildSectionOutlines(d, printer);
    const ViewBitmapSize turned = sectionBitmapSize(d, 3);
    EXPECT_LT(turned.width, flat.width);
    EXPECT_GT(turned.height, flat.height);

    const PropellerDesign empty;
    const ViewBitmapSize none = sectionBitmapSize(empty, 3);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 10);
}

TEST(SectionBitmapSize, RefusesNegativeAndHugeBitmaps) {
    PropellerDesign d;
    auto& te = d.Outlines[sectionIndex(5)][0];
    te = {-1, 100};
    EXPECT_THROW(sectionBitmapSize(d, 5), Failure);
    te = {100, -11};
    EXPECT_THROW(sectionBitmapSize(d, 5), Failure);
    te = {6000, 10000 - 10};  // exactly at the limit
    EXPECT_EQ(sectionBitmapSize(d, 5).height, 10000);
    te = {6000, 10001 - 10};
    EXPECT_THROW(sectionBitmapSize(d, 5), Failure);
    te = {0, std::numeric_limits<std::int32_t>::max()};  // the margin would overflow
    EXPECT_THROW(sectionBitmapSize(d, 5), Failure);
    EXPECT_THROW(sectionBitmapSize(d, 2), std::out_of_range);
}

// Qt prints to a CUPS queue at 1200 dpi, and the view draws at the printer's resolution, or a
// whole fraction of it where that bitmap would be too large: every section of ordinary designs,
// flat and turned, must still be shown.
TEST(SectionBitmapSize, OrdinaryDesignsFitAt1200Dpi) {
    ScopedSeparator comma{','};
    testing::FakePrinter printer({1200, 9520, 13628});
    for (const char* diameter : {"151,7", "170", "250", "300"}) {
        for (const char* pitch : {"0,52", "1", "1,5"}) {
            testing::RecordingWindow window;
            window.texts[InputField::Diameter] = diameter;
            window.texts[InputField::Pitch] = pitch;
            PropellerDesign d;
            computeGeometry(d, window);
            for (const bool turned : {false, true}) {
                d.ShowUgol = turned;
                for (int n = kFirstSection; n <= kLastSection; ++n) {
                    buildViewOutlines(d, printer, n);
                    EXPECT_NO_THROW(sectionBitmapSize(d, n))
                        << diameter << " cm, " << pitch << " m, section " << n
                        << (turned ? " turned" : " flat");
                }
            }
        }
    }
}

TEST(BuildViewOutlines, StepsDownOnlyWhenTheBitmapWouldBeTooLarge) {
    ScopedSeparator comma{','};
    testing::FakePrinter printer({1200, 9520, 13628});
    testing::RecordingWindow window;
    PropellerDesign d;
    computeGeometry(d, window);  // the start design
    d.ShowUgol = true;
    buildViewOutlines(d, printer, 3);
    EXPECT_EQ(d.Printer.LogPixelsX, 1200);  // about 29 million pixels: full resolution

    window.texts[InputField::Diameter] = "300";
    window.texts[InputField::Pitch] = "1,5";
    computeGeometry(d, window);
    buildSectionOutlines(d, printer);
    const OutlinePoint full = sectionOutline(d, 3)[0];
    EXPECT_GT(std::int64_t{full.x} * (full.y + 10), kMaxViewBitmapPixels);
    buildViewOutlines(d, printer, 3);
    EXPECT_EQ(d.Printer.LogPixelsX, 600);  // a half is enough
    const OutlinePoint half = sectionOutline(d, 3)[0];
    EXPECT_NEAR(half.x, full.x / 2.0, 2);
    EXPECT_NEAR(half.y, full.y / 2.0, 2);

    // Beyond a quarter of the resolution the view gives up rather than shrink further.
    window.texts[InputField::Diameter] = "5000";
    computeGeometry(d, window);
    buildViewOutlines(d, printer, 3);
    EXPECT_EQ(d.Printer.LogPixelsX, 300);
    EXPECT_THROW(sectionBitmapSize(d, 3), Failure);
}

}  // namespace
}  // namespace kelvarin
