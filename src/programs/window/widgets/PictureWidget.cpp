// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureWidget.h"

#include "widgets/FlagScope.h"
#include "widgets/ImageLayout.h"
#include "widgets/PictureScaling.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace kelvarin {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
    resampleTimer_.setSingleShot(true);
    resampleTimer_.setInterval(300);
    connect(&resampleTimer_, &QTimer::timeout, this, &PictureWidget::resampleNow);
}

PictureWidget::~PictureWidget() = default;

void PictureWidget::setPicture(const QImage& image) {
    picture_ = image;
    hasPicture_ = true;
    keyed_ = QImage();
    pictureChanged();
}

void PictureWidget::clearPicture() {
    picture_ = QImage();
    hasPicture_ = false;
    keyed_ = QImage();
    pictureChanged();
}

void PictureWidget::setAutoSize(bool value) {
    if (autoSize_ == value) {
        return;
    }
    autoSize_ = value;
    if (autoSize_ && picture_.width() > 0 && picture_.height() > 0) {
        resize(picture_.size().grownBy(QMargins(margin_, margin_, margin_, margin_)));
    }
}

void PictureWidget::setMargin(int pixels) {
    pixels = std::max(pixels, 0);
    if (margin_ != pixels) {
        margin_ = pixels;
        pictureChanged();
    }
}

void PictureWidget::setMarginColor(const QColor& color) {
    if (marginColor_ != color) {
        marginColor_ = color;
        update();
    }
}

void PictureWidget::setMarks(const QList<QPoint>& points, const MarkStyle& style) {
    marks_ = points;
    markStyle_ = style;
    update();
}

void PictureWidget::clearMarks() {
    if (!marks_.isEmpty()) {
        marks_.clear();
        update();
    }
}

void PictureWidget::setStretch(bool value) {
    if (stretch_ != value) {
        stretch_ = value;
        pictureChanged();
    }
}

void PictureWidget::setCentered(bool value) {
    if (centered_ != value) {
        centered_ = value;
        pictureChanged();
    }
}

void PictureWidget::setProportional(bool value) {
    if (proportional_ != value) {
        proportional_ = value;
        pictureChanged();
    }
}

void PictureWidget::setTransparent(bool value) {
    if (transparent_ != value) {
        transparent_ = value;
        keyed_ = QImage();
        pictureChanged();
    }
}

void PictureWidget::setResample(bool value) {
    // Qt's smooth scaling exists on every platform, so the write always takes effect.
    if (resample_ != value) {
        resample_ = value;
        pictureChanged();
    }
}

void PictureWidget::setReduction(Reduction value) {
    if (reduction_ != value) {
        reduction_ = value;
        dropSmooth();
        update();
    }
}

void PictureWidget::setResampleDelayMs(int ms) {
    resampleTimer_.setInterval(std::max(ms, 0));
}

void PictureWidget::setResampleBackColor(const QColor& color) {
    if (resampleBackColor_ == color) {
        return;
    }
    resampleBackColor_ = color;
    // Only see-through pixels show the colour.
    if (isSeeThrough()) {
        dropSmooth();
        update();
    }
}

QRect PictureWidget::pictureRect() const {
    const QRect inner = rect().marginsRemoved(QMargins(margin_, margin_, margin_, margin_));
    return kelvarin::pictureRect(picture_.size(), inner.size().expandedTo(QSize(0, 0)), stretch_,
                                 proportional_, centered_)
        .translated(margin_, margin_);
}

bool PictureWidget::smoothShown() const {
    return smoothFor_.has_value() && *smoothFor_ == deviceSize(pictureRect());
}

void PictureWidget::pictureChanged() {
    dropSmooth();
    if (autoSize_ && picture_.width() > 0 && picture_.height() > 0) {
        resize(picture_.size().grownBy(QMargins(margin_, margin_, margin_, margin_)));
    }
    updateOpacity();
    if (!painting_) {
        update();
    }
}

void PictureWidget::dropSmooth() {
    smoothFor_.reset();
    smooth_ = QImage();
}

void PictureWidget::updateOpacity() {
    // Only an opaque picture covering the whole control may skip the background behind it.
    const bool opaque =
        hasPicture_ && !picture_.isNull() && !isSeeThrough() && pictureRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

bool PictureWidget::isSeeThrough() const {
    return transparent_ || picture_.hasAlphaChannel();
}

const QImage& PictureWidget::shownImage() const {
    if (!transparent_ || picture_.isNull() || picture_.hasAlphaChannel()) {
        return picture_;
    }
    if (keyed_.isNull()) {
        keyed_ = transparentKeyed(picture_);
    }
    return keyed_;
}

QSize PictureWidget::deviceSize(const QRect& pictureRect) const {
    const double ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(pictureRect.width() * ratio)),
                 static_cast<int>(std::lround(pictureRect.height() * ratio)));
}

void PictureWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (smoothFor_ && *smoothFor_ != deviceSize(pictureRect())) {
        dropSmooth();
    }
    updateOpacity();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    FlagScope painting(painting_);
    if (!hasPicture_ || picture_.isNull()) {
        return;
    }
    const QRect target = pictureRect();
    QPainter painter(this);
    if (margin_ > 0) {
        for (const QRect& part : QRegion(event->rect()).subtracted(target)) {
            painter.fillRect(part, marginColor_);
        }
    }
    // Only the exposed part is drawn: a deep zoom makes the control far larger than the view.
    paintPicture(painter, event->rect() & target, target);
    paintMarks(painter, marks_, picture_.size(), target, markStyle_);
}

void PictureWidget::paintPicture(QPainter& painter, const QRect& area, const QRect& target) {
    const QImage& shown = shownImage();
    if (smoothShown()) {
        if (!smooth_.isNull()) {
            painter.drawImage(QRectF(area), smooth_, sourceRectFor(target, area, smooth_.size()));
        } else if (!area.isEmpty()) {
            // An enlargement stays sharp: each picture pixel becomes a block of screen pixels,
            // as the half-tone stretch makes it; a filter would only blur the picture's edges
            // (and, on a doubled screen, blur the picture even at 100 %).
            if (isSeeThrough()) {
                painter.fillRect(area, resampleBackColor_);
            }
            painter.drawImage(QRectF(area), shown, sourceRectFor(target, area, shown.size()));
        }
        return;
    }

    if (!area.isEmpty()) {
        painter.drawImage(QRectF(area), shown, sourceRectFor(target, area, shown.size()));
    }
    if (resample_) {
        resampleTimer_.start();
    }
}

void PictureWidget::resampleNow() {
    resampleTimer_.stop();
    if (hasPicture_ && !picture_.isNull()) {
        const QSize device = deviceSize(pictureRect());
        if (!keepsWholeSmooth(picture_.size(), device)) {
            smooth_ = QImage();
        } else if (reduction_ == Reduction::Darkest) {
            smooth_ = darkestScaled(shownImage(), device, resampleBackColor_);
        } else {
            smooth_ = smoothScaled(shownImage(), device, resampleBackColor_);
        }
        smoothFor_ = device;
        repaint();
    }
    emit smoothPainted();
}

}  // namespace kelvarin
