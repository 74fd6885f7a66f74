// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <optional>

#include "widgets/PictureMarks.h"

namespace kelvarin {

// The picture control of ZoomableImageView, usable on its own: shows one bitmap, painted fast on
// every paint and, with resample on, once more with smooth scaling a moment after the last
// paint.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit PictureWidget(QWidget* parent = nullptr);
    ~PictureWidget() override;

    // The picture now holds this bitmap. The image is shared, not copied.
    void setPicture(const QImage& image);
    void clearPicture();
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return hasPicture_; }

    // The control takes the picture's size.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    // The picture is stretched over the whole control (keeping its proportions with
    // proportional); proportional alone shrinks a picture larger than the control.
    bool stretch() const { return stretch_; }
    void setStretch(bool value);
    bool proportional() const { return proportional_; }
    void setProportional(bool value);
    // A picture smaller than the control sits in its middle.
    bool centered() const { return centered_; }
    void setCentered(bool value);
    // The colour of the bottom-left pixel becomes see-through.
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    // Whether a picture loaded bit by bit shows as it comes; a QImage arrives whole, so this
    // changes nothing.
    bool incrementalDisplay() const { return incrementalDisplay_; }
    void setIncrementalDisplay(bool value) { incrementalDisplay_ = value; }

    // The smooth paint, resampleDelayMs after the last fast one; resampleBackColor shows where
    // the picture is see-through.
    bool resample() const { return resample_; }
    void setResample(bool value);
    int resampleDelayMs() const { return resampleTimer_.interval(); }
    void setResampleDelayMs(int ms);
    QColor resampleBackColor() const { return resampleBackColor_; }
    void setResampleBackColor(const QColor& color);
    // How the smooth paint reduces a picture shown smaller than itself: by averaging (the
    // default, right for photographs), or by keeping the darkest pixel, so that thin dark
    // strokes of a line drawing stay dark and unbroken. Enlargements are never filtered.
    enum class Reduction { Average, Darkest };
    Reduction reduction() const { return reduction_; }
    void setReduction(Reduction value);

    // Room around the picture on every side, logical pixels, painted in marginColor: the
    // picture is placed, stretched and auto-sized within the control less its margin.
    int margin() const { return margin_; }
    void setMargin(int pixels);
    QColor marginColor() const { return marginColor_; }
    void setMarginColor(const QColor& color);

    // Marks over points of the picture (its pixels), painted over it at a fixed size on the
    // screen; they may reach into the margin.
    const QList<QPoint>& marks() const { return marks_; }
    void setMarks(const QList<QPoint>& points, const MarkStyle& style);
    void clearMarks();

    // Where the picture is painted inside the control.
    QRect pictureRect() const;

    // Whether the smooth paint of the current picture rectangle is already on the screen (and
    // so later paints reuse it instead of waiting for the timer again).
    bool smoothShown() const;
    bool resamplePending() const { return resampleTimer_.isActive(); }

signals:
    // After the smooth paint.
    void smoothPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The smooth paint, run by the timer; protected so that a measurement can run it at will.
    void resampleNow();

private:
    void pictureChanged();
    void dropSmooth();
    void updateOpacity();
    bool isSeeThrough() const;
    const QImage& shownImage() const;
    QSize deviceSize(const QRect& pictureRect) const;
    void paintPicture(QPainter& painter, const QRect& area, const QRect& target);

    QImage picture_;
    bool hasPicture_ = false;
    mutable QImage keyed_;  // the picture with its transparent colour cleared, made on demand

    bool autoSize_ = false;
    bool stretch_ = false;
    bool centered_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool incrementalDisplay_ = false;
    bool resample_ = false;
    QColor resampleBackColor_{255, 255, 255};
    Reduction reduction_ = Reduction::Average;
    int margin_ = 0;
    QColor marginColor_{255, 255, 255};
    QList<QPoint> marks_;
    MarkStyle markStyle_;

    QTimer resampleTimer_;
    bool painting_ = false;

    // The smooth state: the device size of the picture rectangle it was made for, and for
    // reductions the whole picture scaled to that size (enlargements are scaled while painting,
    // only where they are seen, so that a deep zoom never needs a huge bitmap).
    std::optional<QSize> smoothFor_;
    QImage smooth_;
};

}  // namespace kelvarin
