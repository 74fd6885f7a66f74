// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace kelvarin {
namespace {

// A section-like drawing: a white bitmap crossed by a long, shallow line 2 pixels wide, with
// a control mark, a red circle 11 pixels across drawn 1 pixel wide, away from the line.
QImage OutlinePicture() {
    QImage picture(3340, 719, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(0, 700, 3339, 10);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawEllipse(QRect(3000, 600, 10, 10));
    return picture;
}

class PictureWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        const int frame = 2 * box_.frameWidth();
        box_.resize(705 + frame, 367 + frame);
        box_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box_));
        pictureWidget_ = box_.pictureWidget();
        pictureWidget_->setResampleDelayMs(40);
        pictureWidget_->setResample(true);
    }

    ZoomableImageView box_;
    PictureWidget* pictureWidget_ = nullptr;
};

TEST_F(PictureWidgetTest, SmoothPaintFiresOnceAfterTheLastPaint) {
    QSignalSpy painted(pictureWidget_, &PictureWidget::smoothPainted);
    pictureWidget_->setPicture(OutlinePicture());
    box_.setFitToWindow(true);
    box_.resetView();

    // Paints closer together than the delay keep putting the smooth paint off.
    pictureWidget_->setResampleDelayMs(200);
    QElapsedTimer clock;
    clock.start();
    qint64 lastPaint = 0;
    for (int i = 0; i < 5; ++i) {
        QTest::qWait(60);
        pictureWidget_->repaint();
        lastPaint = clock.elapsed();
        EXPECT_TRUE(pictureWidget_->resamplePending());
    }
    EXPECT_EQ(painted.count(), 0);
    ASSERT_TRUE(painted.wait(2000));
    // The timer is coarse: a few per cent early is still after the last paint.
    EXPECT_GE(clock.elapsed(), lastPaint + 180);
    EXPECT_TRUE(pictureWidget_->smoothShown());

    // Later paints of the same view reuse it: no second smooth paint.
    pictureWidget_->repaint();
    EXPECT_FALSE(pictureWidget_->resamplePending());
    QTest::qWait(120);
    EXPECT_EQ(painted.count(), 1);

    // A new scale needs a new one.
    box_.setZoomPercent(30);
    pictureWidget_->repaint();
    EXPECT_FALSE(pictureWidget_->smoothShown());
    ASSERT_TRUE(painted.wait(2000));
    EXPECT_EQ(painted.count(), 2);
}

TEST_F(PictureWidgetTest, WithoutResampleThereIsNoSecondPaint) {
    pictureWidget_->setResample(false);
    QSignalSpy painted(pictureWidget_, &PictureWidget::smoothPainted);
    pictureWidget_->setPicture(OutlinePicture());
    box_.setFitToWindow(true);
    box_.resetView();
    pictureWidget_->repaint();
    EXPECT_FALSE(pictureWidget_->resamplePending());
    QTest::qWait(120);
    EXPECT_EQ(painted.count(), 0);
}

// Every column the thin line crosses must show it after the smooth paint, at each fit: a light
// grey where it is averaged, dark where the darkest pixel is kept, which keeps the red mark red.
TEST_F(PictureWidgetTest, SmoothPaintKeepsThinOutlineContinuous) {
    QSignalSpy painted(pictureWidget_, &PictureWidget::smoothPainted);
    pictureWidget_->setPicture(OutlinePicture());
    box_.setFitToWindow(true);
    box_.resetView();
    for (const auto& [reduction, lightest] : {std::pair{PictureWidget::Reduction::Average, 225},
                                              std::pair{PictureWidget::Reduction::Darkest, 0x40}}) {
        pictureWidget_->setReduction(reduction);
        for (const QSize client : {QSize(705, 367), QSize(500, 300), QSize(1100, 400)}) {
            const int frame = 2 * box_.frameWidth();
            box_.resize(client + QSize(frame, frame));
            pictureWidget_->repaint();
            ASSERT_TRUE(painted.wait(2000)) << client.width();
            const QImage shot = pictureWidget_->grab().toImage();
            int gaps = 0;
            for (int x = 1; x < shot.width() - 1; ++x) {
                int darkest = 255;
                for (int y = 0; y < shot.height(); ++y) {
                    darkest = std::min(darkest, qGray(shot.pixel(x, y)));
                }
                if (darkest > lightest) {
                    ++gaps;
                }
            }
            EXPECT_EQ(gaps, 0) << "box " << client.width() << " x " << client.height()
                               << ", picture " << shot.width() << " x " << shot.height();
            if (reduction == PictureWidget::Reduction::Darkest) {
                bool red = false;
                for (int y = 0; y < shot.height() && !red; ++y) {
                    for (int x = 0; x < shot.width() && !red; ++x) {
                        red = qRed(shot.pixel(x, y)) > 200 && qGreen(shot.pixel(x, y)) < 80;
                    }
                }
                EXPECT_TRUE(red) << "the control mark is lost at " << client.width();
            }
        }
    }
}

TEST_F(PictureWidgetTest, TransparentColourShowsWhatLiesBehind) {
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    for (int x = 40; x < 60; ++x) {
        for (int y = 0; y < 50; ++y) {
            picture.setPixelColor(x, y, QColor(255, 0, 0));
        }
    }
    pictureWidget_->setResample(false);
    pictureWidget_->setPicture(picture);
    box_.resetView();
    const QPoint at = pictureWidget_->pos();
    pictureWidget_->setTransparent(true);
    QImage shot = box_.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(at + QPoint(5, 5)), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(at + QPoint(50, 5)), QColor(255, 0, 0));

    // The smooth paint lays the picture over its background colour instead.
    QSignalSpy painted(pictureWidget_, &PictureWidget::smoothPainted);
    pictureWidget_->setResampleBackColor(QColor(0, 0, 255));
    pictureWidget_->setResample(true);
    pictureWidget_->repaint();
    ASSERT_TRUE(painted.wait(2000));
    shot = box_.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(at + QPoint(5, 5)), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(at + QPoint(50, 5)), QColor(255, 0, 0));
}

TEST_F(PictureWidgetTest, MarginSurroundsThePicture) {
    PictureWidget image;
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    image.setPicture(picture);
    image.setMargin(12);
    image.setMarginColor(Qt::green);
    image.setAutoSize(true);
    EXPECT_EQ(image.size(), QSize(424, 124));
    EXPECT_EQ(image.pictureRect(), QRect(12, 12, 400, 100));
    image.setAutoSize(false);
    image.setStretch(true);
    image.resize(224, 74);
    EXPECT_EQ(image.pictureRect(), QRect(12, 12, 200, 50));

    EXPECT_EQ(image.grab().toImage().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(PictureWidgetTest, PictureChangesFollowAutoSizeAndPlacement) {
    PictureWidget image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    image.setPicture(picture);
    EXPECT_TRUE(image.hasPicture());
    EXPECT_EQ(image.pictureRect(), QRect(0, 0, 40, 20));
    image.setCentered(true);
    EXPECT_EQ(image.pictureRect(), QRect(32, 42, 40, 20));
    image.setProportional(true);
    image.setStretch(true);
    EXPECT_EQ(image.pictureRect(), QRect(0, 26, 105, 52));
    image.move(7, 9);
    image.setAutoSize(true);
    EXPECT_EQ(image.geometry(), QRect(7, 9, 40, 20));
    image.clearPicture();
    EXPECT_FALSE(image.hasPicture());
    image.setResampleDelayMs(-5);
    EXPECT_EQ(image.resampleDelayMs(), 0);
}

}  // namespace
}  // namespace kelvarin
