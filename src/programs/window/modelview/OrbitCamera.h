// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMatrix4x4>
#include <QQuaternion>
#include <QVector3D>

namespace kelvarin {

// Looks at a ball that holds the model from a point outside it: the model turns about the
// ball's centre and the eye moves nearer or further along its line of sight.
class OrbitCamera {
public:
    // The ball to keep in view: centre and radius in model units (millimetres).
    void fit(const QVector3D& centre, float radius);

    // Turns the model by a drag of (dx, dy) pixels in a view `viewHeight` pixels high: a drag
    // across the whole height turns it by half a turn, about the view's vertical axis for dx
    // and its horizontal axis for dy.
    void turn(float dx, float dy, int viewHeight);

    // Zooms in for positive steps (one step is one notch of a common mouse wheel), out for
    // negative ones; the zoom stays between kMinZoom and kMaxZoom.
    void zoom(float steps);

    // 1 shows the whole ball across the wider side of the view; 2 shows it twice as large.
    float zoomFactor() const { return zoom_; }
    const QQuaternion& orientation() const { return orientation_; }

    // For a view `aspect` times as wide as high; the field of view is 30° across its narrower
    // side.
    QMatrix4x4 viewMatrix(float aspect) const;
    QMatrix4x4 projectionMatrix(float aspect) const;

    static constexpr float kMinZoom = 0.2f;
    static constexpr float kMaxZoom = 50.0f;

private:
    float distance(float aspect) const;

    QVector3D centre_;
    float radius_ = 1;
    float zoom_ = 1;
    QQuaternion orientation_ = initialOrientation();

    static QQuaternion initialOrientation();
};

}  // namespace kelvarin
