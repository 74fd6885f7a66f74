#pragma once

// TEMPORARY until the image box lands: a stand-in with the agreed members, which shows the
// picture fitted and computes the fitting percentage the same way.
#if __has_include("widgets/VzImageBox.h")
#include "widgets/VzImage.h"
#include "widgets/VzImageBox.h"
#else
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace kelvarin {

class TVzImage {
  public:
    void SetPicture(const QImage& image) { picture_ = image; }
    const QImage& Picture() const { return picture_; }
    bool HasGraphic() const { return !picture_.isNull(); }
    void SetResample(bool resample) { resample_ = resample; }
    bool Resample() const { return resample_; }

  private:
    QImage picture_;
    bool resample_ = false;
};

class TVzImageBox : public QWidget {
  public:
    explicit TVzImageBox(QWidget* parent = nullptr) : QWidget(parent) {}
    TVzImage* Image() { return &image_; }
    bool ImageFitToWindow() const { return fit_; }
    void SetImageFitToWindow(bool fit) {
        if (fit != fit_) {
            fit_ = fit;
            if (!fit_) {
                scale_ = 100;
            }
        }
    }
    int ImageScale() const { return scale_; }
    void SetImageScale(int value) {
        if (value < 0 || value > 32766) {
            throw std::invalid_argument("Invalid scale value");
        }
        if (value != scale_) {
            scale_ = value;
            fit_ = false;
            update();
        }
    }
    void ResetImageView() {
        scale_ = 100;
        if (!image_.HasGraphic() || !fit_) {
            update();
            return;
        }
        const int iw = image_.Picture().width();
        const int ih = image_.Picture().height();
        const int cw = width();
        const int ch = height();
        if (cw >= iw && ch >= ih) {
            scale_ = 100;
        } else if (cw > 0 && ch > 0) {
            scale_ = (double(cw) / ch >= double(iw) / ih) ? ch * 100 / ih : cw * 100 / iw;
        }
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (image_.HasGraphic()) {
            const QSize shown = image_.Picture().size() * (scale_ / 100.0);
            painter.drawImage(QRect(QPoint(0, 0), shown), image_.Picture());
        }
    }

  private:
    TVzImage image_;
    bool fit_ = false;
    int scale_ = 100;
};

}  // namespace kelvarin
#endif
