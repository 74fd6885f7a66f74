// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/VzImage.h"
#include "widgets/VzImageBox.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace kelvarin {
namespace {

// A section-like drawing: a white bitmap crossed by a long, shallow line 2 pixels wide.
QImage OutlinePicture() {
    QImage picture(3340, 719, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(0, 700, 3339, 10);
    return picture;
}

class VzImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        const int frame = 2 * box_.frameWidth();
        box_.resize(705 + frame, 367 + frame);
        box_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box_));
        image_ = box_.Image();
        image_->SetResampleDelay(40);
        image_->SetResample(true);
    }

    TVzImageBox box_;
    TVzImage* image_ = nullptr;
};

TEST_F(VzImageTest, SmoothPaintFiresOnceAfterTheLastPaint) {
    QSignalSpy painted(image_, &TVzImage::OnPaint);
    image_->SetPicture(OutlinePicture());
    box_.SetImageFitToWindow(true);
    box_.ResetImageView();

    // Paints closer together than the delay keep putting the smooth paint off.
    image_->SetResampleDelay(200);
    QElapsedTimer clock;
    clock.start();
    qint64 lastPaint = 0;
    for (int i = 0; i < 5; ++i) {
        QTest::qWait(60);
        image_->repaint();
        lastPaint = clock.elapsed();
        EXPECT_TRUE(image_->ResamplePending());
    }
    EXPECT_EQ(painted.count(), 0);
    ASSERT_TRUE(painted.wait(2000));
    // The timer is coarse: a few per cent early is still after the last paint.
    EXPECT_GE(clock.elapsed(), lastPaint + 180);
    EXPECT_TRUE(image_->SmoothShown());

    // Later paints of the same view reuse it: no second smooth paint.
    image_->repaint();
    EXPECT_FALSE(image_->ResamplePending());
    QTest::qWait(120);
    EXPECT_EQ(painted.count(), 1);

    // A new scale needs a new one.
    box_.SetImageScale(30);
    image_->repaint();
    EXPECT_FALSE(image_->SmoothShown());
    ASSERT_TRUE(painted.wait(2000));
    EXPECT_EQ(painted.count(), 2);
}

TEST_F(VzImageTest, WithoutResampleThereIsNoSecondPaint) {
    image_->SetResample(false);
    QSignalSpy painted(image_, &TVzImage::OnPaint);
    image_->SetPicture(OutlinePicture());
    box_.SetImageFitToWindow(true);
    box_.ResetImageView();
    image_->repaint();
    EXPECT_FALSE(image_->ResamplePending());
    QTest::qWait(120);
    EXPECT_EQ(painted.count(), 0);
}

// Every column the thin line crosses must show it after the smooth paint, at each fit.
TEST_F(VzImageTest, SmoothPaintKeepsThinOutlineContinuous) {
    QSignalSpy painted(image_, &TVzImage::OnPaint);
    image_->SetPicture(OutlinePicture());
    box_.SetImageFitToWindow(true);
    box_.ResetImageView();
    for (const QSize client : {QSize(705, 367), QSize(500, 300), QSize(1100, 400)}) {
        const int frame = 2 * box_.frameWidth();
        box_.resize(client + QSize(frame, frame));
        image_->repaint();
        ASSERT_TRUE(painted.wait(2000)) << client.width();
        const QImage shot = image_->grab().toImage();
        int gaps = 0;
        for (int x = 1; x < shot.width() - 1; ++x) {
            int darkest = 255;
            for (int y = 0; y < shot.height(); ++y) {
                darkest = std::min(darkest, qGray(shot.pixel(x, y)));
            }
            if (darkest > 225) {
                ++gaps;
            }
        }
        EXPECT_EQ(gaps, 0) << "box " << client.width() << " x " << client.height() << ", picture "
                           << shot.width() << " x " << shot.height();
    }
}

TEST_F(VzImageTest, TransparentColourShowsWhatLiesBehind) {
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    for (int x = 40; x < 60; ++x) {
        for (int y = 0; y < 50; ++y) {
            picture.setPixelColor(x, y, QColor(255, 0, 0));
        }
    }
    image_->SetResample(false);
    image_->SetPicture(picture);
    box_.ResetImageView();
    const QPoint at = image_->pos();
    image_->SetTransparent(true);
    QImage shot = box_.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(at + QPoint(5, 5)), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(at + QPoint(50, 5)), QColor(255, 0, 0));

    // The smooth paint lays the picture over its background colour instead.
    QSignalSpy painted(image_, &TVzImage::OnPaint);
    image_->SetResampleBackColor(QColor(0, 0, 255));
    image_->SetResample(true);
    image_->repaint();
    ASSERT_TRUE(painted.wait(2000));
    shot = box_.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(at + QPoint(5, 5)), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(at + QPoint(50, 5)), QColor(255, 0, 0));
}

TEST_F(VzImageTest, PictureChangesFollowAutoSizeAndPlacement) {
    TVzImage image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    image.SetPicture(picture);
    EXPECT_TRUE(image.HasGraphic());
    EXPECT_EQ(image.PictureRect(), QRect(0, 0, 40, 20));
    image.SetCenter(true);
    EXPECT_EQ(image.PictureRect(), QRect(32, 42, 40, 20));
    image.SetProportional(true);
    image.SetStretch(true);
    EXPECT_EQ(image.PictureRect(), QRect(0, 26, 105, 52));
    image.move(7, 9);
    image.SetAutoSize(true);
    EXPECT_EQ(image.geometry(), QRect(7, 9, 40, 20));
    image.ClearPicture();
    EXPECT_FALSE(image.HasGraphic());
    image.SetResampleDelay(-5);
    EXPECT_EQ(image.ResampleDelay(), 0);
}

}  // namespace
}  // namespace kelvarin
