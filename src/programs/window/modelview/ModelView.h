// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLWidget>
#include <QPoint>
#include <QString>

#include "model3d/TriangleMesh.h"
#include "modelview/MeshRenderer.h"
#include "modelview/OrbitCamera.h"

namespace kelvarin {

// The propeller's mesh, shaded; a drag with the left mouse button turns it about its middle,
// the wheel zooms in and out.
class ModelView : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit ModelView(QWidget* parent = nullptr);
    ~ModelView() override;

    // Shows `mesh` whole, from the starting angle.
    void setMesh(TriangleMesh mesh);

    const OrbitCamera& camera() const { return camera_; }

signals:
    // OpenGL could not draw the model; `reason` is Russian and says why.
    void renderingFailed(const QString& reason);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void uploadMesh();
    void releaseGl();

    TriangleMesh mesh_;
    MeshRenderer renderer_;
    OrbitCamera camera_;
    bool ready_ = false;
    QPoint lastDragPos_;
};

}  // namespace kelvarin
