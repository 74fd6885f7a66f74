// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/ModelView.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWheelEvent>

namespace kelvarin {

namespace {

constexpr float kWheelUnitsPerStep = 120;  // one notch of a common mouse wheel

}  // namespace

ModelView::ModelView(QWidget* parent) : QOpenGLWidget(parent) {
    // No multisampling: a software renderer, which a machine without a graphics card uses,
    // takes three times as long for a frame with it.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(24);
    setFormat(format);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
}

ModelView::~ModelView() {
    releaseGl();
    // The base class destroys the context after this object is gone; its signal must not
    // reach back into what is left of it.
    if (context() != nullptr) {
        disconnect(context(), nullptr, this, nullptr);
    }
}

void ModelView::setMesh(TriangleMesh mesh) {
    mesh_ = std::move(mesh);
    camera_ = OrbitCamera();
    if (ready_) {
        makeCurrent();
        uploadMesh();
        doneCurrent();
    }
    update();
}

void ModelView::uploadMesh() {
    renderer_.setMesh(mesh_);
    camera_.fit(renderer_.boundsCentre(), renderer_.boundsRadius());
}

void ModelView::releaseGl() {
    if (!ready_) {
        return;
    }
    makeCurrent();
    renderer_.release();
    doneCurrent();
    ready_ = false;
}

void ModelView::initializeGL() {
    // A move to another top-level window makes a new context; the old one's resources go with
    // it, and this runs again.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &ModelView::releaseGl,
            Qt::UniqueConnection);
    if (!renderer_.initialize()) {
        emit renderingFailed(
            tr("Не удалось показать модель: OpenGL не принял программу затенения (%1)")
                .arg(renderer_.log().trimmed()));
        return;
    }
    ready_ = true;
    uploadMesh();
}

void ModelView::paintGL() {
    if (!ready_) {
        return;
    }
    const float aspect = static_cast<float>(width()) / static_cast<float>(std::max(height(), 1));
    renderer_.render(camera_.projectionMatrix(aspect), camera_.viewMatrix(aspect));
}

void ModelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        lastDragPos_ = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void ModelView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const QPoint delta = pos - lastDragPos_;
    lastDragPos_ = pos;
    camera_.turn(static_cast<float>(delta.x()), static_cast<float>(delta.y()), height());
    update();
}

void ModelView::wheelEvent(QWheelEvent* event) {
    camera_.zoom(static_cast<float>(event->angleDelta().y()) / kWheelUnitsPerStep);
    update();
    event->accept();
}

}  // namespace kelvarin
