// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/PictureWidget.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPoint>
#include <QRect>

namespace kelvarin {

// A scrolling view of one picture, fitted to the view or shown at a zoom percentage, scrolled
// by keys, wheel, scroll bars and dragging, and zoomed by Ctrl and the wheel (or the wheel with
// the left button held). Sizes are logical pixels; the scroll position is that of the two
// scroll bars, from 0 to the zoomed picture's extent less the view's.
class ZoomableImageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ZoomableImageView(QWidget* parent = nullptr);
    ~ZoomableImageView() override;

    // The picture control inside the view: give it the picture, then call resetView().
    PictureWidget* pictureWidget() const { return pictureWidget_; }

    // The whole picture fitted into the view, zoomPercent() following; off returns to 100 %.
    bool fitToWindow() const { return fitToWindow_; }
    void setFitToWindow(bool value);
    // While fitting, a picture smaller than the view stays at 100 % instead of being enlarged.
    bool fitOnlyLarger() const { return fitOnlyLarger_; }
    void setFitOnlyLarger(bool value);
    // A picture smaller than the view sits in its middle rather than at its top-left corner.
    bool centered() const { return centered_; }
    void setCentered(bool value);
    // Room around the picture, logical pixels at every zoom, in the picture control's margin
    // colour: the picture's edges never meet the view's.
    int pictureMargin() const { return pictureWidget_->margin(); }
    void setPictureMargin(int pixels);
    // A zoom or a resize keeps the picture point at the middle of the view where it is.
    bool keepPosition() const { return keepPosition_; }
    void setKeepPosition(bool value) { keepPosition_ = value; }
    // Dragging with the left button pans the picture.
    bool dragEnabled() const { return dragEnabled_; }
    void setDragEnabled(bool value) { dragEnabled_ = value; }
    // A mouse press takes the keyboard focus; otherwise only Tab brings it.
    bool focusable() const { return focusable_; }
    void setFocusable(bool value);
    // The screen's cursor while dragging, and while zooming with the left button held.
    QCursor dragCursor() const { return dragCursor_; }
    void setDragCursor(const QCursor& cursor) { dragCursor_ = cursor; }
    QCursor zoomCursor() const { return zoomCursor_; }
    void setZoomCursor(const QCursor& cursor) { zoomCursor_ = cursor; }

    // Zoom in percent, kMinZoomPercent..kMaxZoomPercent; 100 shows one logical pixel per
    // picture pixel. A write outside the range throws std::invalid_argument and changes
    // nothing; a new value ends fitting and emits zoomChanged.
    int zoomPercent() const { return zoomPercent_; }
    void setZoomPercent(int value);
    // The next of kZoomSteps in or out; nothing beyond the ends.
    void stepZoom(bool zoomIn);

    // Takes the picture's size anew after its content or size changed.
    void resetView();
    // Lays the picture out again; with reset, from the top-left corner.
    void layoutPicture(bool reset);

    // The picture's size as of the last resetView(), pixels.
    int pictureWidth() const { return pictureWidth_; }
    int pictureHeight() const { return pictureHeight_; }

    bool dragActive() const { return dragActive_; }
    QPoint dragOrigin() const { return dragOrigin_; }  // in the picture control
    bool leftButtonHeld() const { return leftButtonHeld_; }

signals:
    // After a scroll by key, wheel or scroll bar.
    void scrollPositionChanged();
    // After the zoom took a new value by a write or a wheel step.
    void zoomChanged(int zoomPercent);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize clientSize(bool horizontalBar, bool verticalBar) const;
    // layoutPicture keeping the picture point at the middle of a view of viewClient.
    void layoutAbout(bool reset, QSize viewClient);
    QSize barExtent() const;
    void showBars(bool horizontal, bool vertical, QPoint maxScroll, QSize client);
    void followPictureResize();
    void placePicture();
    void wheelStep(bool up, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    void pictureMousePress(QMouseEvent* event);
    void pictureMouseMove(QMouseEvent* event);
    void endLeftHold();
    void setScreenCursor(const QCursor& cursor);
    void restoreScreenCursor();

    PictureWidget* pictureWidget_;

    bool fitToWindow_ = false;
    bool fitOnlyLarger_ = true;
    bool centered_ = true;
    bool keepPosition_ = true;
    bool dragEnabled_ = true;
    bool focusable_ = true;
    QCursor dragCursor_{Qt::SizeAllCursor};
    QCursor zoomCursor_{Qt::SizeVerCursor};

    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int zoomPercent_ = 100;

    bool autoScroll_ = false;
    bool horizontalBar_ = false;
    bool verticalBar_ = false;
    QRect content_;     // the picture control in content coordinates
    QSize laidClient_;  // the client area as the last layout left it

    bool dragActive_ = false;
    QPoint dragOrigin_;
    bool leftButtonHeld_ = false;
    bool cursorOverridden_ = false;
    int wheelAccumulator_ = 0;
    bool inLayout_ = false;
};

}  // namespace kelvarin
