// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/VzImage.h"

#include "widgets/FlagScope.h"
#include "widgets/ImageLayout.h"
#include "widgets/PictureScaling.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvarin {

TVzImage::TVzImage(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
    resampleTimer_.setSingleShot(true);
    resampleTimer_.setInterval(300);
    connect(&resampleTimer_, &QTimer::timeout, this, &TVzImage::ResampleTimerFired);
}

TVzImage::~TVzImage() = default;

void TVzImage::SetPicture(const QImage& image) {
    picture_ = image;
    hasGraphic_ = true;
    keyed_ = QImage();
    PictureChanged();
}

void TVzImage::ClearPicture() {
    picture_ = QImage();
    hasGraphic_ = false;
    keyed_ = QImage();
    PictureChanged();
}

void TVzImage::SetAutoSize(bool value) {
    if (autoSize_ == value) {
        return;
    }
    autoSize_ = value;
    if (autoSize_ && picture_.width() > 0 && picture_.height() > 0) {
        resize(picture_.size());
    }
}

void TVzImage::SetStretch(bool value) {
    if (stretch_ != value) {
        stretch_ = value;
        PictureChanged();
    }
}

void TVzImage::SetCenter(bool value) {
    if (center_ != value) {
        center_ = value;
        PictureChanged();
    }
}

void TVzImage::SetProportional(bool value) {
    if (proportional_ != value) {
        proportional_ = value;
        PictureChanged();
    }
}

void TVzImage::SetTransparent(bool value) {
    if (transparent_ != value) {
        transparent_ = value;
        keyed_ = QImage();
        PictureChanged();
    }
}

void TVzImage::SetResample(bool value) {
    // Qt's smooth scaling exists on every platform, so the write always takes effect.
    if (resample_ != value) {
        resample_ = value;
        PictureChanged();
    }
}

void TVzImage::SetResampleDelay(int ms) {
    resampleTimer_.setInterval(std::max(ms, 0));
}

void TVzImage::SetResampleBackColor(const QColor& color) {
    if (resampleBackColor_ == color) {
        return;
    }
    resampleBackColor_ = color;
    // Only see-through pixels show the colour.
    if (GraphicIsTransparent()) {
        DropSmooth();
        update();
    }
}

QRect TVzImage::PictureRect() const {
    return kelvarin::PictureRect(picture_.size(), size(), stretch_, proportional_, center_);
}

bool TVzImage::SmoothShown() const {
    return smoothFor_.has_value() && *smoothFor_ == DeviceSize(PictureRect());
}

void TVzImage::PictureChanged() {
    DropSmooth();
    if (autoSize_ && picture_.width() > 0 && picture_.height() > 0) {
        resize(picture_.size());
    }
    UpdateOpacity();
    if (!painting_) {
        update();
    }
}

void TVzImage::DropSmooth() {
    smoothFor_.reset();
    smooth_ = QImage();
}

void TVzImage::UpdateOpacity() {
    // Only an opaque picture covering the whole control may skip the background behind it.
    const bool opaque = hasGraphic_ && !picture_.isNull() && !GraphicIsTransparent() &&
                        PictureRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

bool TVzImage::GraphicIsTransparent() const {
    return transparent_ || picture_.hasAlphaChannel();
}

const QImage& TVzImage::Shown() const {
    if (!transparent_ || picture_.isNull() || picture_.hasAlphaChannel()) {
        return picture_;
    }
    if (keyed_.isNull()) {
        keyed_ = TransparentKeyed(picture_);
    }
    return keyed_;
}

QSize TVzImage::DeviceSize(const QRect& pictureRect) const {
    const double ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(pictureRect.width() * ratio)),
                 static_cast<int>(std::lround(pictureRect.height() * ratio)));
}

void TVzImage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (smoothFor_ && *smoothFor_ != DeviceSize(PictureRect())) {
        DropSmooth();
    }
    UpdateOpacity();
}

void TVzImage::paintEvent(QPaintEvent* event) {
    FlagScope painting(painting_);
    if (!hasGraphic_ || picture_.isNull()) {
        return;
    }
    const QRect target = PictureRect();
    // Only the exposed part is drawn: a deep zoom makes the control far larger than the view.
    const QRect area = event->rect() & target;
    QPainter painter(this);
    const QImage& shown = Shown();

    if (SmoothShown()) {
        if (!smooth_.isNull()) {
            painter.drawImage(QRectF(area), smooth_, SourceRectFor(target, area, smooth_.size()));
        } else if (!area.isEmpty()) {
            // An enlargement stays sharp: each picture pixel becomes a block of screen pixels,
            // as the half-tone stretch makes it; a filter would only blur the picture's edges
            // (and, on a doubled screen, blur the picture even at 100 %).
            if (GraphicIsTransparent()) {
                painter.fillRect(area, resampleBackColor_);
            }
            painter.drawImage(QRectF(area), shown, SourceRectFor(target, area, shown.size()));
        }
        return;
    }

    if (!area.isEmpty()) {
        painter.drawImage(QRectF(area), shown, SourceRectFor(target, area, shown.size()));
    }
    if (resample_) {
        resampleTimer_.start();
    }
}

void TVzImage::ResampleTimerFired() {
    resampleTimer_.stop();
    if (hasGraphic_ && !picture_.isNull()) {
        const QSize device = DeviceSize(PictureRect());
        smooth_ = KeepsWholeSmooth(picture_.size(), device)
                      ? SmoothScaled(Shown(), device, resampleBackColor_)
                      : QImage();
        smoothFor_ = device;
        repaint();
    }
    emit OnPaint();
}

}  // namespace kelvarin
