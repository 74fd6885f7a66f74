// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QString>
#include <QVector3D>

#include "model3d/TriangleMesh.h"

namespace kelvarin {

// Draws one triangle mesh shaded, lit from the viewer's side, in the current OpenGL context.
// All calls need that context current: the one in which initialize() ran.
class MeshRenderer : protected QOpenGLFunctions {
public:
    // Compiles the shaders. Returns false, with the reason in log(), where the context cannot.
    bool initialize();

    // Uploads the mesh; the renderer keeps no other copy of it.
    void setMesh(const TriangleMesh& mesh);

    // Clears the frame and draws the mesh.
    void render(const QMatrix4x4& projection, const QMatrix4x4& view);

    // The ball that holds the mesh, for the camera.
    QVector3D boundsCentre() const { return centre_; }
    float boundsRadius() const { return radius_; }

    QString log() const { return log_; }

    // Frees the buffers and shaders, in the context they were made in.
    void release();

private:
    QOpenGLShaderProgram program_;
    QOpenGLBuffer vertices_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer indices_{QOpenGLBuffer::IndexBuffer};
    int indexCount_ = 0;
    QVector3D centre_;
    float radius_ = 1;
    QString log_;
};

}  // namespace kelvarin
