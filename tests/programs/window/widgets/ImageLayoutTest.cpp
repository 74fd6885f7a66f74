// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ImageLayout.h"

#include <gtest/gtest.h>

namespace kelvarin {
namespace {

LayoutInput FitInput(int pictureWidth, int pictureHeight) {
    LayoutInput in;
    in.client = QSize(700, 360);
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.fitToWindow = true;
    in.pictureWidth = pictureWidth;
    in.pictureHeight = pictureHeight;
    in.reset = true;
    return in;
}

TEST(ImageLayoutTest, FitToWindowShowsSmallPictureAtTrueSizeCentred) {
    const LayoutResult out = computeLayout(FitInput(300, 200));
    EXPECT_EQ(out.zoomPercent, 100);
    EXPECT_EQ(out.content, QRect(200, 80, 300, 200));
    EXPECT_FALSE(out.horizontalBar || out.verticalBar);
}

TEST(ImageLayoutTest, FitToWindowShrinksWidePictureToClientWidth) {
    const LayoutResult out = computeLayout(FitInput(1400, 200));
    EXPECT_EQ(out.zoomPercent, 50);
    EXPECT_EQ(out.content, QRect(0, 130, 700, 100));
}

TEST(ImageLayoutTest, FitToWindowShrinksTallPictureToClientHeight) {
    const LayoutResult out = computeLayout(FitInput(1000, 1000));
    EXPECT_EQ(out.zoomPercent, 36);
    EXPECT_EQ(out.content, QRect(170, 0, 360, 360));
}

TEST(ImageLayoutTest, FitToWindowEnlargesSmallPictureWhenNotOnlyBig) {
    LayoutInput in = FitInput(300, 200);
    in.fitOnlyLarger = false;
    const LayoutResult out = computeLayout(in);
    EXPECT_EQ(out.zoomPercent, 180);
    EXPECT_EQ(out.content, QRect(80, 0, 540, 360));
}

TEST(ImageLayoutTest, FitIsSkippedWithoutExtentAndKeepsScale) {
    LayoutInput in = FitInput(1400, 200);
    in.fullClient = QSize(0, 360);
    in.zoomPercent = 42;
    LayoutResult out = computeLayout(in);
    EXPECT_EQ(out.zoomPercent, 42);
    EXPECT_EQ(out.content.size(), QSize(1400, 200));

    in = FitInput(0, 0);
    in.fitOnlyLarger = false;
    in.zoomPercent = 42;
    out = computeLayout(in);
    EXPECT_EQ(out.zoomPercent, 42);
    EXPECT_EQ(out.content, QRect(350, 180, 0, 0));
}

// The margin keeps the same room around the picture at every zoom, and none around nothing.
TEST(ImageLayoutTest, MarginSurroundsThePictureAtAnyZoom) {
    LayoutInput in = FitInput(1400, 200);
    in.margin = 10;
    LayoutResult out = computeLayout(in);
    EXPECT_EQ(out.zoomPercent, 48);  // 680 of 1400
    EXPECT_EQ(out.content, QRect(0, 121, 700, 117));
    EXPECT_FALSE(out.horizontalBar || out.verticalBar);

    in.fitToWindow = false;
    in.zoomPercent = 100;
    out = computeLayout(in);
    EXPECT_EQ(out.content.size(), QSize(1420, 220));
    EXPECT_EQ(out.maxScroll.x(), 1420 - 700);

    in = FitInput(0, 0);
    in.margin = 10;
    EXPECT_EQ(computeLayout(in).content.size(), QSize(0, 0));
}

TEST(ImageLayoutTest, FixedScaleRoundsHalvesToEvenAndNeverOverflows) {
    EXPECT_EQ(scaledExtent(3, 50), 2);  // 1.5
    EXPECT_EQ(scaledExtent(5, 50), 2);  // 2.5
    EXPECT_EQ(scaledExtent(7, 50), 4);  // 3.5
    EXPECT_EQ(scaledExtent(1, 49), 0);
    EXPECT_EQ(scaledExtent(3340, 57), 1904);  // 1903.8
    EXPECT_EQ(scaledExtent(100, 0), 0);
    // 80 000 x 32 766 does not fit 32 bits; the result stops at the largest widget.
    EXPECT_EQ(scaledExtent(80000, kMaxZoomPercent), 16777215);
}

TEST(ImageLayoutTest, ScrollBarsAppearOnlyWhereContentExceedsClient) {
    bool h = false;
    bool v = false;
    const QSize full(700, 360);
    const QSize bars(17, 17);
    scrollBarsFor(QSize(700, 360), full, bars, h, v);
    EXPECT_FALSE(h || v);
    scrollBarsFor(QSize(701, 300), full, bars, h, v);
    EXPECT_TRUE(h);
    EXPECT_FALSE(v);
    // The horizontal bar takes 17 pixels of height, so 350 no longer fits.
    scrollBarsFor(QSize(701, 350), full, bars, h, v);
    EXPECT_TRUE(h && v);
    scrollBarsFor(QSize(690, 361), full, bars, h, v);
    EXPECT_TRUE(h && v);
}

TEST(ImageLayoutTest, FixedScaleKeepsCentrePointAcrossZoom) {
    LayoutInput in;
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.client = QSize(683, 343);
    in.pictureWidth = 1024;
    in.pictureHeight = 1024;
    in.scrollPos = QPoint(200, 300);
    in.control = QRect(-200, -300, 1024, 1024);
    // Picture point at the centre: (200 + 341, 300 + 171) = (541, 471).
    in.zoomPercent = 200;
    LayoutResult out = computeLayout(in);
    EXPECT_EQ(out.content, QRect(0, 0, 2048, 2048));
    EXPECT_EQ(out.scrollPos, QPoint(2 * 541 - 341, 2 * 471 - 171));

    // Without keeping, or with a reset, the view starts at the top-left corner.
    in.keepPosition = false;
    EXPECT_EQ(computeLayout(in).scrollPos, QPoint(0, 0));
    in.keepPosition = true;
    in.reset = true;
    EXPECT_EQ(computeLayout(in).scrollPos, QPoint(0, 0));
}

TEST(ImageLayoutTest, KeptPositionStaysWithinRange) {
    LayoutInput in;
    in.fullClient = QSize(700, 360);
    in.barExtent = QSize(17, 17);
    in.client = QSize(683, 343);
    in.pictureWidth = 1000;
    in.pictureHeight = 1000;
    in.zoomPercent = 50;
    in.scrollPos = QPoint(317, 657);
    in.control = QRect(-317, -657, 1000, 1000);
    const LayoutResult out = computeLayout(in);
    // 500 x 500: wider than nothing, taller than the client; centred across, bottom kept.
    EXPECT_EQ(out.content, QRect(91, 0, 500, 500));
    EXPECT_EQ(out.scrollPos, QPoint(0, 140));
    EXPECT_EQ(out.maxScroll, QPoint(0, 140));
}

TEST(ImageLayoutTest, ZoomStepsMoveToNeighbouringStepAndStopAtTheEnds) {
    EXPECT_EQ(nextZoomStep(57, true), 60);
    EXPECT_EQ(nextZoomStep(57, false), 50);
    EXPECT_EQ(nextZoomStep(100, true), 125);
    EXPECT_EQ(nextZoomStep(100, false), 90);
    EXPECT_EQ(nextZoomStep(1600, true), std::nullopt);
    EXPECT_EQ(nextZoomStep(7, false), std::nullopt);
    EXPECT_EQ(nextZoomStep(5, true), 7);
    EXPECT_EQ(nextZoomStep(32766, false), 1600);
}

TEST(ImageLayoutTest, PageStepLeavesOverlapButNeverLessThanTwoThirds) {
    EXPECT_EQ(pageStep(360), 340);
    EXPECT_EQ(pageStep(30), 20);
    EXPECT_EQ(pageStep(0), 0);
}

TEST(ImageLayoutTest, PictureRectFollowsStretchProportionalAndCenter) {
    const QSize picture(400, 100);
    EXPECT_EQ(pictureRect(picture, QSize(200, 200), false, false, false), QRect(0, 0, 400, 100));
    EXPECT_EQ(pictureRect(picture, QSize(200, 200), true, false, false), QRect(0, 0, 200, 200));
    EXPECT_EQ(pictureRect(picture, QSize(200, 200), true, true, false), QRect(0, 0, 200, 50));
    EXPECT_EQ(pictureRect(picture, QSize(200, 200), true, true, true), QRect(0, 75, 200, 50));
    // Proportional alone only shrinks a picture that does not fit.
    EXPECT_EQ(pictureRect(picture, QSize(800, 800), false, true, true), QRect(200, 350, 400, 100));
    EXPECT_EQ(pictureRect(picture, QSize(800, 10), false, true, false), QRect(0, 0, 40, 10));
    // Tall picture in a short control: limited by the height.
    EXPECT_EQ(pictureRect(QSize(100, 300), QSize(200, 150), true, true, false),
              QRect(0, 0, 50, 150));
    // An empty picture is stretched over the whole control.
    EXPECT_EQ(pictureRect(QSize(0, 0), QSize(30, 20), true, true, false), QRect(0, 0, 30, 20));
}

}  // namespace
}  // namespace kelvarin
