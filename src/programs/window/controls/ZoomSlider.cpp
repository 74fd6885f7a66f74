// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ZoomSlider.h"

namespace kelvarin {

ZoomSlider::ZoomSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(10, 100);
    setValue(100);
    setSingleStep(1);
    setPageStep(10);
    setTickPosition(QSlider::NoTicks);
    connect(this, &QSlider::valueChanged, this, &ZoomSlider::zoomRequested);
    // A user's action that leaves the value as it is brings no valueChanged; it still counts.
    connect(this, &QSlider::actionTriggered, this, [this](int) {
        if (sliderPosition() == value()) {
            emit zoomRequested();
        }
    });
    connect(this, &QSlider::sliderReleased, this, &ZoomSlider::zoomRequested);
}

}  // namespace kelvarin
