// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ZoomableImageView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>
#include <stdexcept>

namespace kelvarin {
namespace {

// Records the keys that the box leaves to the ordinary handling (the modifier keys that QTest
// presses around a key are not counted).
class KeyRecorder : public QWidget {
public:
    int passedKeys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Alt:
            case Qt::Key_Meta:
                break;
            default:
                ++passedKeys;
        }
    }
};

class ZoomableImageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = std::make_unique<KeyRecorder>();
        box_ = new ZoomableImageView(parent_.get());
        SetClient(700, 360);
        parent_->resize(800, 500);
        parent_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent_.get()));
    }

    void TearDown() override {
        // The application-wide cursor must never be left behind.
        parent_.reset();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    void SetClient(int width, int height) {
        const int frame = 2 * box_->frameWidth();
        box_->resize(width + frame, height + frame);
    }

    void Show(int width, int height, bool fit) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        box_->pictureWidget()->setPicture(picture);
        box_->setFitToWindow(fit);
        box_->resetView();
    }

    QPoint Scroll() const {
        return {box_->horizontalScrollBar()->value(), box_->verticalScrollBar()->value()};
    }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers,
               Qt::MouseButtons buttons = Qt::NoButton) {
        const QPointF at(20, 20);
        QWheelEvent event(at, box_->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          buttons, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box_->viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
    }

    // A mouse event on the picture control at a screen point, as the pointer sees it then.
    void Mouse(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF local = box_->pictureWidget()->mapFromGlobal(QPointF(global));
        QMouseEvent event(type, local, QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(box_->pictureWidget(), &event);
    }

    Qt::CursorShape ScreenCursor() const {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor ? cursor->shape() : Qt::ArrowCursor;
    }

    std::unique_ptr<KeyRecorder> parent_;
    ZoomableImageView* box_ = nullptr;
};

TEST_F(ZoomableImageViewTest, StartsWithDefaults) {
    EXPECT_FALSE(box_->fitToWindow());
    EXPECT_TRUE(box_->fitOnlyLarger());
    EXPECT_TRUE(box_->centered());
    EXPECT_TRUE(box_->keepPosition());
    EXPECT_TRUE(box_->dragEnabled());
    EXPECT_TRUE(box_->focusable());
    EXPECT_EQ(box_->zoomPercent(), 100);
    EXPECT_EQ(box_->dragCursor().shape(), Qt::SizeAllCursor);
    EXPECT_EQ(box_->zoomCursor().shape(), Qt::SizeVerCursor);
    EXPECT_FALSE(box_->pictureWidget()->resample());
    EXPECT_EQ(box_->pictureWidget()->resampleDelayMs(), 300);
    EXPECT_EQ(box_->pictureWidget()->resampleBackColor(), QColor(255, 255, 255));
    EXPECT_TRUE(box_->pictureWidget()->incrementalDisplay());
    EXPECT_EQ(box_->viewport()->size(), QSize(700, 360));
}

TEST_F(ZoomableImageViewTest, FitToWindowPlacesPictureWhollyInView) {
    Show(300, 200, true);
    EXPECT_EQ(box_->zoomPercent(), 100);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(200, 80, 300, 200));

    Show(1400, 200, true);
    EXPECT_EQ(box_->zoomPercent(), 50);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(0, 130, 700, 100));

    Show(1000, 1000, true);
    EXPECT_EQ(box_->zoomPercent(), 36);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(170, 0, 360, 360));
    EXPECT_FALSE(box_->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(box_->verticalScrollBar()->isVisible());

    // The window grows: the picture follows it.
    SetClient(700, 500);
    EXPECT_EQ(box_->zoomPercent(), 50);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(100, 0, 500, 500));
}

TEST_F(ZoomableImageViewTest, FitOnlyLargerDecidesWhetherSmallPictureIsEnlarged) {
    Show(300, 200, true);
    box_->setFitOnlyLarger(false);
    EXPECT_EQ(box_->zoomPercent(), 180);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(80, 0, 540, 360));
    box_->setFitOnlyLarger(true);
    EXPECT_EQ(box_->zoomPercent(), 100);
}

TEST_F(ZoomableImageViewTest, FixedScaleShowsScrollBarsAndCentresTheNarrowSide) {
    Show(1000, 200, false);
    EXPECT_TRUE(box_->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(box_->verticalScrollBar()->isVisible());
    const int clientHeight = box_->viewport()->height();
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(0, (clientHeight - 200) / 2, 1000, 200));
    EXPECT_EQ(box_->horizontalScrollBar()->maximum(), 1000 - 700);
}

TEST_F(ZoomableImageViewTest, ScaleWriteRules) {
    Show(1000, 1000, true);
    QSignalSpy changed(box_, &ZoomableImageView::zoomChanged);

    // The current value: nothing at all, fitting stays on.
    box_->setZoomPercent(36);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(box_->fitToWindow());

    // Out of range: refused before anything changes.
    for (int bad : {-1, 32767}) {
        try {
            box_->setZoomPercent(bad);
            ADD_FAILURE() << "no failure for " << bad;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Invalid scale value");
        }
    }
    EXPECT_EQ(box_->zoomPercent(), 36);
    EXPECT_TRUE(box_->fitToWindow());

    // A new value leaves fitting and reports once.
    box_->setZoomPercent(200);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 200);
    EXPECT_FALSE(box_->fitToWindow());
    EXPECT_EQ(box_->pictureWidget()->size(), QSize(2000, 2000));
    box_->setZoomPercent(0);
    EXPECT_EQ(box_->pictureWidget()->size(), QSize(0, 0));
    box_->setZoomPercent(32766);
    EXPECT_EQ(changed.count(), 3);

    // Switching fitting off returns to 100 % at the top-left corner.
    box_->setFitToWindow(true);
    box_->setFitToWindow(false);
    EXPECT_EQ(box_->zoomPercent(), 100);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(0, 0, 1000, 1000));
}

TEST_F(ZoomableImageViewTest, CtrlWheelStepsThroughZoomSteps) {
    // 700 * 100 / 1228 = 57
    Show(1228, 100, true);
    ASSERT_EQ(box_->zoomPercent(), 57);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 60);
    EXPECT_FALSE(box_->fitToWindow());

    Show(1228, 100, true);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 50);

    box_->setZoomPercent(1600);
    QSignalSpy changed(box_, &ZoomableImageView::zoomChanged);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 1600);
    box_->setZoomPercent(7);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 7);
    box_->setZoomPercent(5);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 7);
    EXPECT_EQ(changed.count(), 3);

    // A fine wheel steps once its turns add up to a notch.
    Wheel(60, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 7);
    Wheel(60, Qt::ControlModifier);
    EXPECT_EQ(box_->zoomPercent(), 10);
}

TEST_F(ZoomableImageViewTest, WheelScrollsByShiftState) {
    Show(2000, 2000, false);
    QSignalSpy scrolled(box_, &ZoomableImageView::scrollPositionChanged);
    Wheel(-120, Qt::NoModifier);
    EXPECT_EQ(Scroll(), QPoint(0, 50));
    Wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(Scroll(), QPoint(50, 50));
    Wheel(120, Qt::ShiftModifier);
    Wheel(120, Qt::NoModifier);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(scrolled.count(), 4);

    // Other states do nothing, but the event is still taken.
    Wheel(-120, Qt::AltModifier);
    Wheel(-120, Qt::ControlModifier | Qt::ShiftModifier);
    Wheel(-120, Qt::NoModifier, Qt::RightButton);
    Wheel(-120, Qt::ControlModifier, Qt::LeftButton);  // left held, but not on the picture
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(box_->zoomPercent(), 100);
    EXPECT_EQ(scrolled.count(), 4);
}

TEST_F(ZoomableImageViewTest, KeysScrollWithAndWithoutCtrl) {
    Show(2000, 2000, false);
    QSignalSpy scrolled(box_, &ZoomableImageView::scrollPositionChanged);
    const QPoint far(box_->horizontalScrollBar()->maximum(), box_->verticalScrollBar()->maximum());

    QTest::keyClick(box_, Qt::Key_Right);
    QTest::keyClick(box_, Qt::Key_Down);
    EXPECT_EQ(Scroll(), QPoint(50, 50));
    QTest::keyClick(box_, Qt::Key_Left);
    QTest::keyClick(box_, Qt::Key_Left);  // already at the start: stays there
    QTest::keyClick(box_, Qt::Key_Up);
    EXPECT_EQ(Scroll(), QPoint(0, 0));

    QTest::keyClick(box_, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(box_, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Scroll(), far);
    QTest::keyClick(box_, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(box_, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    // The arrows of the numeric keypad count as arrows.
    QTest::keyClick(box_, Qt::Key_Right, Qt::KeypadModifier);
    EXPECT_EQ(Scroll(), QPoint(50, 0));
    EXPECT_EQ(scrolled.count(), 10);
    EXPECT_EQ(parent_->passedKeys, 0);
}

TEST_F(ZoomableImageViewTest, KeysOutsideTheTableGoOnToOrdinaryHandling) {
    Show(2000, 2000, false);
    QSignalSpy scrolled(box_, &ZoomableImageView::scrollPositionChanged);
    QTest::keyClick(box_, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box_, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(box_, Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(box_, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(box_, Qt::Key_A);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(scrolled.count(), 0);
    EXPECT_EQ(parent_->passedKeys, 5);
}

TEST_F(ZoomableImageViewTest, PageKeysStepByPageLessOverlap) {
    Show(2000, 2000, false);
    const QSize client = box_->viewport()->size();
    QTest::keyClick(box_, Qt::Key_PageDown);
    EXPECT_EQ(Scroll().y(), client.height() - 20);
    QTest::keyClick(box_, Qt::Key_End);
    EXPECT_EQ(Scroll().x(), client.width() - 20);
    QTest::keyClick(box_, Qt::Key_PageUp);
    QTest::keyClick(box_, Qt::Key_Home);
    EXPECT_EQ(Scroll(), QPoint(0, 0));

    // With 360 pixels of client height a page is 340, as far as the range allows.
    SetClient(700, 360 + box_->horizontalScrollBar()->height());
    ASSERT_EQ(box_->viewport()->height(), 360);
    QTest::keyClick(box_, Qt::Key_PageDown);
    EXPECT_EQ(Scroll().y(), 340);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(box_, Qt::Key_PageDown);
    }
    EXPECT_EQ(Scroll().y(), box_->verticalScrollBar()->maximum());

    // In a client only 30 pixels high a page is two thirds of it.
    SetClient(700, 30 + box_->horizontalScrollBar()->height());
    ASSERT_EQ(box_->viewport()->height(), 30);
    QTest::keyClick(box_, Qt::Key_Home);
    QTest::keyClick(box_, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(box_, Qt::Key_PageDown);
    EXPECT_EQ(Scroll().y(), 20);
}

TEST_F(ZoomableImageViewTest, ScrollBarOperationReportsScrollAfterwards) {
    Show(2000, 2000, false);
    QSignalSpy scrolled(box_, &ZoomableImageView::scrollPositionChanged);
    box_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(box_->pictureWidget()->y(), -box_->verticalScrollBar()->value());
    EXPECT_GT(box_->verticalScrollBar()->value(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(scrolled.count(), 1);

    // Moving the view from code is no user's scroll.
    box_->verticalScrollBar()->setValue(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(scrolled.count(), 1);
}

TEST_F(ZoomableImageViewTest, DragKeepsGrabbedPointUnderPointer) {
    Show(2000, 2000, false);
    box_->horizontalScrollBar()->setValue(300);
    box_->verticalScrollBar()->setValue(300);
    PictureWidget* image = box_->pictureWidget();
    QPoint pointer = box_->viewport()->mapToGlobal(QPoint(400, 200));
    const QPoint grabbed = image->mapFromGlobal(pointer);

    Mouse(QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(parent_->focusWidget(), box_);
    EXPECT_TRUE(box_->dragActive());
    EXPECT_EQ(box_->dragOrigin(), grabbed);
    EXPECT_EQ(ScreenCursor(), Qt::SizeAllCursor);

    QSignalSpy scrolled(box_, &ZoomableImageView::scrollPositionChanged);
    for (const QPoint step : {QPoint(-40, -30), QPoint(25, 70), QPoint(-3, 1)}) {
        pointer += step;
        Mouse(QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(image->mapToGlobal(grabbed), pointer);
    }
    EXPECT_EQ(Scroll(), QPoint(300 + 18, 300 - 41));

    // Dragged beyond the start, the view stops there.
    pointer += QPoint(1000, 1000);
    Mouse(QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(scrolled.count(), 0);

    Mouse(QEvent::MouseButtonRelease, pointer, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(box_->dragActive());
    EXPECT_FALSE(box_->leftButtonHeld());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ZoomableImageViewTest, OtherButtonsAndDisabledDragDoNotPan) {
    Show(2000, 2000, false);
    box_->clearFocus();
    box_->setFocusable(false);
    const QPoint at = box_->viewport()->mapToGlobal(QPoint(100, 100));
    Mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseMove, at - QPoint(50, 50), Qt::NoButton, Qt::RightButton);
    EXPECT_NE(parent_->focusWidget(), box_);
    EXPECT_FALSE(box_->leftButtonHeld());
    Mouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);

    box_->setDragEnabled(false);
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(box_->leftButtonHeld());
    EXPECT_FALSE(box_->dragActive());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Mouse(QEvent::MouseMove, at - QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(box_->leftButtonHeld());
}

TEST_F(ZoomableImageViewTest, WheelDuringDragZoomsAndEndsThePan) {
    Show(2000, 2000, false);
    QPoint pointer = box_->viewport()->mapToGlobal(QPoint(300, 150));
    Mouse(QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);

    Wheel(120, Qt::NoModifier, Qt::LeftButton);
    EXPECT_EQ(box_->zoomPercent(), 125);
    EXPECT_FALSE(box_->dragActive());
    EXPECT_TRUE(box_->leftButtonHeld());
    EXPECT_EQ(ScreenCursor(), Qt::SizeVerCursor);
    Wheel(120, Qt::ShiftModifier, Qt::LeftButton);
    EXPECT_EQ(box_->zoomPercent(), 150);

    // The pointer no longer pans until the button is pressed again.
    const QPoint before = Scroll();
    pointer -= QPoint(60, 60);
    Mouse(QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Scroll(), before);

    Mouse(QEvent::MouseButtonRelease, pointer, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Wheel(120, Qt::NoModifier);
    EXPECT_EQ(box_->zoomPercent(), 150);
}

TEST_F(ZoomableImageViewTest, LostReleaseStillEndsTheHold) {
    Show(2000, 2000, false);
    const QPoint at = box_->viewport()->mapToGlobal(QPoint(100, 100));
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(box_->leftButtonHeld());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ZoomableImageViewTest, ZoomKeepsCentrePointAndResetStartsAtTopLeft) {
    Show(2048, 2048, false);
    const QSize client = box_->viewport()->size();
    box_->horizontalScrollBar()->setValue(512);
    box_->verticalScrollBar()->setValue(256);
    const QPoint centre(client.width() / 2, client.height() / 2);
    const QPointF before =
        QPointF(box_->pictureWidget()->mapFrom(box_->viewport(), centre)) / 2048.0;

    box_->setZoomPercent(200);
    const QPointF after =
        QPointF(box_->pictureWidget()->mapFrom(box_->viewport(), centre)) / 4096.0;
    EXPECT_NEAR(after.x(), before.x(), 1.0 / 4096);
    EXPECT_NEAR(after.y(), before.y(), 1.0 / 4096);

    box_->setKeepPosition(false);
    box_->setZoomPercent(150);
    EXPECT_EQ(Scroll(), QPoint(0, 0));

    box_->setKeepPosition(true);
    box_->verticalScrollBar()->setValue(500);
    box_->resetView();
    EXPECT_EQ(Scroll(), QPoint(0, 0));
    EXPECT_EQ(box_->zoomPercent(), 100);
}

TEST_F(ZoomableImageViewTest, WindowResizeKeepsCentrePoint) {
    Show(2000, 1500, false);
    box_->horizontalScrollBar()->setValue(600);
    box_->verticalScrollBar()->setValue(400);
    const auto pictureAtCentre = [this] {
        const QSize client = box_->viewport()->size();
        return box_->pictureWidget()->mapFrom(box_->viewport(),
                                              QPoint(client.width() / 2, client.height() / 2));
    };
    const QPoint kept = pictureAtCentre();
    // Larger, smaller, and back to an odd size: the view grows and shrinks about its middle.
    for (const QSize client : {QSize(900, 600), QSize(400, 200), QSize(701, 363)}) {
        SetClient(client.width(), client.height());
        EXPECT_EQ(pictureAtCentre(), kept) << client.width() << " x " << client.height();
    }
}

TEST_F(ZoomableImageViewTest, RepeatedLayoutDoesNotCreep) {
    // At this width some centre fractions, multiplied back as doubles, fall just short.
    Show(1074, 1074, false);
    for (int start = 100; start < 140; ++start) {
        box_->horizontalScrollBar()->setValue(start);
        box_->verticalScrollBar()->setValue(start);
        for (int i = 0; i < 3; ++i) {
            box_->layoutPicture(false);
        }
        EXPECT_EQ(Scroll(), QPoint(start, start));
    }
}

TEST_F(ZoomableImageViewTest, WheelOverScrollBarActsAsOnTheBox) {
    Show(2000, 2000, false);
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box_->verticalScrollBar(), &event);
    EXPECT_EQ(box_->zoomPercent(), 90);
    EXPECT_EQ(Scroll().y(), box_->verticalScrollBar()->value());
}

TEST_F(ZoomableImageViewTest, ResetImageViewWithoutGraphicOnlyForgetsSize) {
    Show(2000, 1000, false);
    box_->setZoomPercent(250);
    box_->verticalScrollBar()->setValue(100);
    const QRect placed = box_->pictureWidget()->geometry();
    box_->pictureWidget()->clearPicture();
    box_->resetView();
    EXPECT_EQ(box_->zoomPercent(), 100);
    EXPECT_EQ(box_->pictureWidth(), 0);
    EXPECT_EQ(box_->pictureHeight(), 0);
    EXPECT_EQ(box_->pictureWidget()->geometry(), placed);
    EXPECT_EQ(Scroll().y(), 100);

    // The next layout gives the empty picture no size, centred.
    box_->layoutPicture(true);
    EXPECT_EQ(box_->pictureWidget()->geometry(), QRect(350, 180, 0, 0));
}

TEST_F(ZoomableImageViewTest, UncoveredViewIsBlack) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 255));
    box_->pictureWidget()->setPicture(picture);
    box_->setFitToWindow(true);
    box_->resetView();
    const QImage shot = box_->viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(699, 359), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(200, 80), QColor(0, 128, 255));
    EXPECT_EQ(shot.pixelColor(499, 279), QColor(0, 128, 255));
    EXPECT_EQ(shot.pixelColor(500, 280), QColor(Qt::black));
}

TEST_F(ZoomableImageViewTest, AutoSizedPictureChangeUpdatesScrollRange) {
    Show(500, 200, false);
    ASSERT_TRUE(box_->pictureWidget()->autoSize());
    EXPECT_FALSE(box_->horizontalScrollBar()->isVisible());
    QImage wider(1500, 200, QImage::Format_RGB32);
    wider.fill(Qt::white);
    box_->pictureWidget()->setPicture(wider);
    EXPECT_EQ(box_->pictureWidget()->width(), 1500);
    EXPECT_TRUE(box_->horizontalScrollBar()->isVisible());
    // The control keeps its place, so the range reaches its new right edge.
    EXPECT_EQ(box_->horizontalScrollBar()->maximum(), 100 + 1500 - 700);
}

}  // namespace
}  // namespace kelvarin
