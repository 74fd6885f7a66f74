// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/VzImage.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPoint>
#include <QRect>

namespace kelvarin {

// A scroll box that shows one picture fitted to the window or at a zoom percentage, scrolled
// by keys, wheel, scroll bars and dragging, and zoomed by Ctrl and the wheel.
class TVzImageBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TVzImageBox(QWidget* parent = nullptr);
    ~TVzImageBox() override;

    TVzImage* Image() const { return image_; }

    bool ImageFitToWindow() const { return fitToWindow_; }
    void SetImageFitToWindow(bool value);
    bool ImageFitOnlyBig() const { return fitOnlyBig_; }
    void SetImageFitOnlyBig(bool value);
    bool ImageCenter() const { return center_; }
    void SetImageCenter(bool value);
    bool ImageKeepPosition() const { return keepPosition_; }
    void SetImageKeepPosition(bool value) { keepPosition_ = value; }
    bool ImageDrag() const { return drag_; }
    void SetImageDrag(bool value) { drag_ = value; }
    bool Focusable() const { return focusable_; }
    void SetFocusable(bool value);
    QCursor ImageDragCursor() const { return dragCursor_; }
    void SetImageDragCursor(const QCursor& cursor) { dragCursor_ = cursor; }
    QCursor ImageScaleCursor() const { return scaleCursor_; }
    void SetImageScaleCursor(const QCursor& cursor) { scaleCursor_ = cursor; }

    // Zoom in percent; 100 shows one screen pixel per picture pixel. A write outside
    // 0..32766 throws std::invalid_argument and changes nothing.
    int ImageScale() const { return imageScale_; }
    void SetImageScale(int value);
    void StepImageScale(bool up);

    // Re-reads the picture's size after its content or size changed.
    void ResetImageView();
    void LayoutImage(bool reset);

    int ImageWidth() const { return imageWidth_; }
    int ImageHeight() const { return imageHeight_; }

    bool DragActive() const { return dragActive_; }
    QPoint DragOrigin() const { return dragOrigin_; }
    bool LeftButtonHeld() const { return leftButtonHeld_; }

signals:
    // After a scroll by key, wheel or scroll bar.
    void OnScroll();
    // After ImageScale took a new value by a write.
    void OnOptionsChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize ClientSize(bool horizontalBar, bool verticalBar) const;
    // LayoutImage keeping the picture point at the middle of a view of viewClient.
    void LayoutAbout(bool reset, QSize viewClient);
    QSize BarExtent() const;
    void ShowBars(bool horizontal, bool vertical, QPoint maxScroll, QSize client);
    void FollowImageResize();
    void PlaceImage();
    void WheelStep(bool up, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    void ImageMousePress(QMouseEvent* event);
    void ImageMouseMove(QMouseEvent* event);
    void EndLeftHold();
    void SetScreenCursor(const QCursor& cursor);
    void RestoreScreenCursor();

    TVzImage* image_;

    bool fitToWindow_ = false;
    bool fitOnlyBig_ = true;
    bool center_ = true;
    bool keepPosition_ = true;
    bool drag_ = true;
    bool focusable_ = true;
    QCursor dragCursor_{Qt::SizeAllCursor};
    QCursor scaleCursor_{Qt::SizeVerCursor};

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int imageScale_ = 100;

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
