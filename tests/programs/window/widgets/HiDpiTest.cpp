// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ZoomableImageView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

namespace kelvarin {
namespace {

// One-pixel stripes: any blur or misplaced pixel shows at once.
QImage Stripes(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return picture;
}

class HiDpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        const int frame = 2 * box_.frameWidth();
        box_.resize(300 + frame, 200 + frame);
        box_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box_));
        ASSERT_DOUBLE_EQ(box_.devicePixelRatioF(), 2.0);
        box_.pictureWidget()->setResampleDelayMs(20);
        box_.pictureWidget()->setResample(true);
    }

    ZoomableImageView box_;
};

TEST_F(HiDpiTest, ScaleCountsLogicalPixels) {
    box_.pictureWidget()->setPicture(Stripes(200, 100));
    box_.resetView();
    EXPECT_EQ(box_.pictureWidget()->size(), QSize(200, 100));
    box_.setZoomPercent(50);
    EXPECT_EQ(box_.pictureWidget()->size(), QSize(100, 50));
}

TEST_F(HiDpiTest, HalfScaleUsesEveryDevicePixel) {
    const QImage picture = Stripes(200, 100);
    box_.pictureWidget()->setPicture(picture);
    box_.resetView();
    box_.setZoomPercent(50);
    QSignalSpy painted(box_.pictureWidget(), &PictureWidget::smoothPainted);
    box_.pictureWidget()->repaint();
    ASSERT_TRUE(painted.wait(2000));

    // At 50 % on a doubled screen each picture pixel gets one device pixel of its own.
    const QImage shot = box_.pictureWidget()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(200, 100));
    int wrong = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            wrong += (shot.pixel(x, y) & 0xffffff) != (picture.pixel(x, y) & 0xffffff);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(HiDpiTest, FullScaleStaysSharpAfterSmoothPaint) {
    const QImage picture = Stripes(100, 60);
    box_.pictureWidget()->setPicture(picture);
    box_.resetView();
    ASSERT_EQ(box_.zoomPercent(), 100);
    QSignalSpy painted(box_.pictureWidget(), &PictureWidget::smoothPainted);
    box_.pictureWidget()->repaint();
    ASSERT_TRUE(painted.wait(2000));
    box_.pictureWidget()->repaint();

    // At 100 % on a doubled screen each picture pixel is a whole 2 x 2 block, not a blur.
    const QImage shot = box_.pictureWidget()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(200, 120));
    int wrong = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            wrong += (shot.pixel(x, y) & 0xffffff) != (picture.pixel(x / 2, y / 2) & 0xffffff);
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace kelvarin

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "2", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
