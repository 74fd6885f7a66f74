// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ImageLayout.h"

#include <gtest/gtest.h>

namespace kelvarin {
namespace {

LayoutInput FitInput(int imageWidth, int imageHeight) {
    LayoutInput in;
    in.client = QSize(700, 360);
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.fitToWindow = true;
    in.imageWidth = imageWidth;
    in.imageHeight = imageHeight;
    in.reset = true;
    return in;
}

TEST(ImageLayoutTest, FitToWindowShowsSmallPictureAtTrueSizeCentred) {
    const LayoutResult out = ComputeLayout(FitInput(300, 200));
    EXPECT_EQ(out.imageScale, 100);
    EXPECT_EQ(out.content, QRect(200, 80, 300, 200));
    EXPECT_FALSE(out.horizontalBar || out.verticalBar);
}

TEST(ImageLayoutTest, FitToWindowShrinksWidePictureToClientWidth) {
    const LayoutResult out = ComputeLayout(FitInput(1400, 200));
    EXPECT_EQ(out.imageScale, 50);
    EXPECT_EQ(out.content, QRect(0, 130, 700, 100));
}

TEST(ImageLayoutTest, FitToWindowShrinksTallPictureToClientHeight) {
    const LayoutResult out = ComputeLayout(FitInput(1000, 1000));
    EXPECT_EQ(out.imageScale, 36);
    EXPECT_EQ(out.content, QRect(170, 0, 360, 360));
}

TEST(ImageLayoutTest, FitToWindowEnlargesSmallPictureWhenNotOnlyBig) {
    LayoutInput in = FitInput(300, 200);
    in.fitOnlyBig = false;
    const LayoutResult out = ComputeLayout(in);
    EXPECT_EQ(out.imageScale, 180);
    EXPECT_EQ(out.content, QRect(80, 0, 540, 360));
}

TEST(ImageLayoutTest, FitIsSkippedWithoutExtentAndKeepsScale) {
    LayoutInput in = FitInput(1400, 200);
    in.fullClient = QSize(0, 360);
    in.imageScale = 42;
    LayoutResult out = ComputeLayout(in);
    EXPECT_EQ(out.imageScale, 42);
    EXPECT_EQ(out.content.size(), QSize(1400, 200));

    in = FitInput(0, 0);
    in.fitOnlyBig = false;
    in.imageScale = 42;
    out = ComputeLayout(in);
    EXPECT_EQ(out.imageScale, 42);
    EXPECT_EQ(out.content, QRect(350, 180, 0, 0));
}

TEST(ImageLayoutTest, FixedScaleRoundsHalvesToEvenAndNeverOverflows) {
    EXPECT_EQ(ScaledExtent(3, 50), 2);  // 1.5
    EXPECT_EQ(ScaledExtent(5, 50), 2);  // 2.5
    EXPECT_EQ(ScaledExtent(7, 50), 4);  // 3.5
    EXPECT_EQ(ScaledExtent(1, 49), 0);
    EXPECT_EQ(ScaledExtent(3340, 57), 1904);  // 1903.8
    EXPECT_EQ(ScaledExtent(100, 0), 0);
    // 80 000 x 32 766 does not fit 32 bits; the result stops at the largest widget.
    EXPECT_EQ(ScaledExtent(80000, kMaxImageScale), 16777215);
}

TEST(ImageLayoutTest, ScrollBarsAppearOnlyWhereContentExceedsClient) {
    bool h = false;
    bool v = false;
    const QSize full(700, 360);
    const QSize bars(17, 17);
    ScrollBarsFor(QSize(700, 360), full, bars, h, v);
    EXPECT_FALSE(h || v);
    ScrollBarsFor(QSize(701, 300), full, bars, h, v);
    EXPECT_TRUE(h);
    EXPECT_FALSE(v);
    // The horizontal bar takes 17 pixels of height, so 350 no longer fits.
    ScrollBarsFor(QSize(701, 350), full, bars, h, v);
    EXPECT_TRUE(h && v);
    ScrollBarsFor(QSize(690, 361), full, bars, h, v);
    EXPECT_TRUE(h && v);
}

TEST(ImageLayoutTest, FixedScaleKeepsCentrePointAcrossZoom) {
    LayoutInput in;
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.client = QSize(683, 343);
    in.imageWidth = 1024;
    in.imageHeight = 1024;
    in.scrollPos = QPoint(200, 300);
    in.control = QRect(-200, -300, 1024, 1024);
    // Picture point at the centre: (200 + 341, 300 + 171) = (541, 471).
    in.imageScale = 200;
    LayoutResult out = ComputeLayout(in);
    EXPECT_EQ(out.content, QRect(0, 0, 2048, 2048));
    EXPECT_EQ(out.scrollPos, QPoint(2 * 541 - 341, 2 * 471 - 171));

    // Without keeping, or with a reset, the view starts at the top-left corner.
    in.keepPosition = false;
    EXPECT_EQ(ComputeLayout(in).scrollPos, QPoint(0, 0));
    in.keepPosition = true;
    in.reset = true;
    EXPECT_EQ(ComputeLayout(in).scrollPos, QPoint(0, 0));
}

TEST(ImageLayoutTest, KeptPositionStaysWithinRange) {
    LayoutInput in;
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.client = QSize(683, 343);
    in.imageWidth = 1000;
    in.imageHeight = 1000;
    in.imageScale = 50;
    in.scrollPos = QPoint(317, 657);
    in.control = QRect(-317, -657, 1000, 1000);
    const LayoutResult out = ComputeLayout(in);
    // 500 x 500: wider than nothing, taller than the client; centred across, bottom kept.
    EXPECT_EQ(out.content, QRect(91, 0, 500, 500));
    EXPECT_EQ(out.scrollPos, QPoint(0, 140));
    EXPECT_EQ(out.maxScroll, QPoint(0, 140));
}

TEST(ImageLayoutTest, ZoomStepsMoveToNeighbouringStepAndStopAtTheEnds) {
    EXPECT_EQ(NextScaleStep(57, true), 60);
    EXPECT_EQ(NextScaleStep(57, false), 50);
    EXPECT_EQ(NextScaleStep(100, true), 125);
    EXPECT_EQ(NextScaleStep(100, false), 90);
    EXPECT_EQ(NextScaleStep(1600, true), std::nullopt);
    EXPECT_EQ(NextScaleStep(7, false), std::nullopt);
    EXPECT_EQ(NextScaleStep(5, true), 7);
    EXPECT_EQ(NextScaleStep(32766, false), 1600);
}

TEST(ImageLayoutTest, PageStepLeavesOverlapButNeverLessThanTwoThirds) {
    EXPECT_EQ(PageStep(360), 340);
    EXPECT_EQ(PageStep(30), 20);
    EXPECT_EQ(PageStep(0), 0);
}

TEST(ImageLayoutTest, PictureRectFollowsStretchProportionalAndCenter) {
    const QSize picture(400, 100);
    EXPECT_EQ(PictureRect(picture, QSize(200, 200), false, false, false), QRect(0, 0, 400, 100));
    EXPECT_EQ(PictureRect(picture, QSize(200, 200), true, false, false), QRect(0, 0, 200, 200));
    EXPECT_EQ(PictureRect(picture, QSize(200, 200), true, true, false), QRect(0, 0, 200, 50));
    EXPECT_EQ(PictureRect(picture, QSize(200, 200), true, true, true), QRect(0, 75, 200, 50));
    // Proportional alone only shrinks a picture that does not fit.
    EXPECT_EQ(PictureRect(picture, QSize(800, 800), false, true, true), QRect(200, 350, 400, 100));
    EXPECT_EQ(PictureRect(picture, QSize(800, 10), false, true, false), QRect(0, 0, 40, 10));
    // Tall picture in a short control: limited by the height.
    EXPECT_EQ(PictureRect(QSize(100, 300), QSize(200, 150), true, true, false),
              QRect(0, 0, 50, 150));
    // An empty picture is stretched over the whole control.
    EXPECT_EQ(PictureRect(QSize(0, 0), QSize(30, 20), true, true, false), QRect(0, 0, 30, 20));
}

}  // namespace
}  // namespace kelvarin
