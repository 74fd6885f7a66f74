// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

namespace kelvarin {

// The zoom slider, 10 to 100 percent. zoomRequested fires on every notification of the user's
// operation, also when the position stays (a click on the thumb, the end of a drag); a
// position set by the program is clamped and fires only when it differs from the old one.
class ZoomSlider : public QSlider {
    Q_OBJECT
public:
    explicit ZoomSlider(QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }

signals:
    void zoomRequested();
};

}  // namespace kelvarin
