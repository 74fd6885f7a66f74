// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/OrbitCamera.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace kelvarin {

namespace {

constexpr float kFieldOfViewDeg = 30;
constexpr float kZoomPerStep = 1.15f;

}  // namespace

// The propeller seen from in front and a little from above and aside, so that both the
// blades' outline and their twist show: Z, the axis, points mostly at the viewer.
QQuaternion OrbitCamera::initialOrientation() {
    return QQuaternion::fromAxisAndAngle(1, 0, 0, -35) *
           QQuaternion::fromAxisAndAngle(0, 1, 0, 20) * QQuaternion::fromAxisAndAngle(0, 0, 1, -15);
}

void OrbitCamera::fit(const QVector3D& centre, float radius) {
    centre_ = centre;
    radius_ = radius > 0 ? radius : 1;
}

void OrbitCamera::turn(float dx, float dy, int viewHeight) {
    const float degreesPerPixel = 180.0f / static_cast<float>(std::max(viewHeight, 1));
    const QQuaternion aboutVertical = QQuaternion::fromAxisAndAngle(0, 1, 0, dx * degreesPerPixel);
    const QQuaternion aboutHorizontal =
        QQuaternion::fromAxisAndAngle(1, 0, 0, dy * degreesPerPixel);
    orientation_ = (aboutHorizontal * aboutVertical * orientation_).normalized();
}

void OrbitCamera::zoom(float steps) {
    zoom_ = std::clamp(zoom_ * std::pow(kZoomPerStep, steps), kMinZoom, kMaxZoom);
}

float OrbitCamera::distance(float aspect) const {
    // Far enough that the ball fills the wider side of the view at zoom 1: a propeller is long
    // and thin, and a ball fitted to the narrow side would leave it small.
    const float halfHeight = std::tan(qDegreesToRadians(kFieldOfViewDeg / 2));
    const float halfWide = halfHeight * std::max(aspect, 1 / std::max(aspect, 1e-3f));
    return radius_ * std::sqrt(1 + 1 / (halfWide * halfWide)) / zoom_;
}

QMatrix4x4 OrbitCamera::viewMatrix(float aspect) const {
    QMatrix4x4 view;
    view.translate(0, 0, -distance(aspect));
    view.rotate(orientation_);
    view.translate(-centre_);
    return view;
}

QMatrix4x4 OrbitCamera::projectionMatrix(float aspect) const {
    const float d = distance(aspect);
    const float fov =
        aspect >= 1 ? kFieldOfViewDeg
                    : qRadiansToDegrees(
                          2 * std::atan(std::tan(qDegreesToRadians(kFieldOfViewDeg / 2)) / aspect));
    QMatrix4x4 projection;
    projection.perspective(fov, aspect, std::max(d - radius_ * 1.5f, d * 0.01f),
                           d + radius_ * 1.5f);
    return projection;
}

}  // namespace kelvarin
