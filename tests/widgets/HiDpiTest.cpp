// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/VzImageBox.h"

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
        box_.Image()->SetResampleDelay(20);
        box_.Image()->SetResample(true);
    }

    TVzImageBox box_;
};

TEST_F(HiDpiTest, ScaleCountsLogicalPixels) {
    box_.Image()->SetPicture(Stripes(200, 100));
    box_.ResetImageView();
    EXPECT_EQ(box_.Image()->size(), QSize(200, 100));
    box_.SetImageScale(50);
    EXPECT_EQ(box_.Image()->size(), QSize(100, 50));
}

TEST_F(HiDpiTest, HalfScaleUsesEveryDevicePixel) {
    const QImage picture = Stripes(200, 100);
    box_.Image()->SetPicture(picture);
    box_.ResetImageView();
    box_.SetImageScale(50);
    QSignalSpy painted(box_.Image(), &TVzImage::OnPaint);
    box_.Image()->repaint();
    ASSERT_TRUE(painted.wait(2000));

    // At 50 % on a doubled screen each picture pixel gets one device pixel of its own.
    const QImage shot = box_.Image()->grab().toImage();
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
    box_.Image()->SetPicture(picture);
    box_.ResetImageView();
    ASSERT_EQ(box_.ImageScale(), 100);
    QSignalSpy painted(box_.Image(), &TVzImage::OnPaint);
    box_.Image()->repaint();
    ASSERT_TRUE(painted.wait(2000));
    box_.Image()->repaint();

    // At 100 % on a doubled screen each picture pixel is a whole 2 x 2 block, not a blur.
    const QImage shot = box_.Image()->grab().toImage();
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
