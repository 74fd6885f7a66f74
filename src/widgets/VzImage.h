// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace kelvarin {

// The picture control: shows one bitmap, painted fast on every paint and, when Resample is on,
// once more with smooth scaling a moment after the last paint.
class TVzImage : public QWidget {
    Q_OBJECT

public:
    explicit TVzImage(QWidget* parent = nullptr);
    ~TVzImage() override;

    // The picture now holds this bitmap. The image is shared, not copied.
    void SetPicture(const QImage& image);
    void ClearPicture();
    const QImage& Picture() const { return picture_; }
    bool HasGraphic() const { return hasGraphic_; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool value);
    // The colour of the bottom-left pixel becomes see-through.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool IncrementalDisplay() const { return incrementalDisplay_; }
    void SetIncrementalDisplay(bool value) { incrementalDisplay_ = value; }

    bool Resample() const { return resample_; }
    void SetResample(bool value);
    int ResampleDelay() const { return resampleTimer_.interval(); }
    void SetResampleDelay(int ms);
    QColor ResampleBackColor() const { return resampleBackColor_; }
    void SetResampleBackColor(const QColor& color);

    // Where the picture is painted inside the control.
    QRect PictureRect() const;

    // Whether the smooth paint of the current picture rectangle is already on the screen (and
    // so later paints reuse it instead of waiting for the timer again).
    bool SmoothShown() const;
    bool ResamplePending() const { return resampleTimer_.isActive(); }

signals:
    // After the smooth paint.
    void OnPaint();
    // While a picture is being loaded bit by bit; a QImage arrives whole, so this control
    // never raises it by itself.
    void OnProgress();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The smooth paint, run by the timer; protected so that a measurement can run it at will.
    void ResampleTimerFired();

private:
    void PictureChanged();
    void DropSmooth();
    void UpdateOpacity();
    bool GraphicIsTransparent() const;
    const QImage& Shown() const;
    QSize DeviceSize(const QRect& pictureRect) const;

    QImage picture_;
    bool hasGraphic_ = false;
    mutable QImage keyed_;  // the picture with its transparent colour cleared, made on demand

    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool incrementalDisplay_ = false;
    bool resample_ = false;
    QColor resampleBackColor_{255, 255, 255};

    QTimer resampleTimer_;
    bool painting_ = false;

    // The smooth state: the device size of the picture rectangle it was made for, and for
    // reductions the whole picture scaled to that size (enlargements are scaled while painting,
    // only where they are seen, so that a deep zoom never needs a huge bitmap).
    std::optional<QSize> smoothFor_;
    QImage smooth_;
};

}  // namespace kelvarin
