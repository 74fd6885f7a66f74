// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/MeshRenderer.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace kelvarin {

namespace {

// GLSL of the oldest desktop dialect, which every context a desktop offers (Mesa's software
// renderer included) understands. The light is worked out once a vertex, not once a pixel: the
// mesh is fine enough that it looks the same, and a software renderer draws it in less than
// half the time. A face seen from behind is lit as if from the front, so that a cut or a fault
// in the mesh shows instead of going black. Wood, lit by a lamp beside the eye. The view turns
// and moves the model but never stretches it, so the normals turn with the upper left 3 x 3 of
// the model-view matrix.
constexpr const char* kVertexShader = R"(
attribute vec3 position;
attribute vec3 normal;
uniform mat4 modelView;
uniform mat4 projection;
varying vec3 shade;
void main() {
    vec4 p = modelView * vec4(position, 1.0);
    vec3 n = normalize(mat3(modelView[0].xyz, modelView[1].xyz, modelView[2].xyz) * normal);
    vec3 toEye = normalize(-p.xyz);
    if (dot(n, toEye) < 0.0) n = -n;
    vec3 toLight = normalize(vec3(0.4, 0.6, 1.0));
    float diffuse = max(dot(n, toLight), 0.0);
    float shine = pow(max(dot(n, normalize(toLight + toEye)), 0.0), 40.0);
    vec3 wood = vec3(0.78, 0.60, 0.40);
    shade = wood * (0.22 + 0.78 * diffuse) + vec3(0.22) * shine;
    gl_Position = projection * p;
}
)";

constexpr const char* kFragmentShader = R"(
varying vec3 shade;
void main() {
    gl_FragColor = vec4(shade, 1.0);
}
)";

constexpr float kBackground[3] = {0.93f, 0.94f, 0.96f};

}  // namespace

bool MeshRenderer::initialize() {
    initializeOpenGLFunctions();
    if (!program_.addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !program_.addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader)) {
        log_ = program_.log();
        return false;
    }
    program_.bindAttributeLocation("position", 0);
    program_.bindAttributeLocation("normal", 1);
    if (!program_.link()) {
        log_ = program_.log();
        return false;
    }
    vertices_.create();
    indices_.create();
    return true;
}

void MeshRenderer::setMesh(const TriangleMesh& mesh) {
    static_assert(sizeof(MeshVertex) == 6 * sizeof(float));
    vertices_.bind();
    vertices_.allocate(mesh.vertices.data(),
                       static_cast<int>(mesh.vertices.size() * sizeof(MeshVertex)));
    vertices_.release();
    indices_.bind();
    indices_.allocate(mesh.triangles.data(),
                      static_cast<int>(mesh.triangles.size() * sizeof(mesh.triangles[0])));
    indices_.release();
    indexCount_ = static_cast<int>(mesh.triangles.size() * 3);

    QVector3D low(std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                  std::numeric_limits<float>::max());
    QVector3D high = -low;
    for (const MeshVertex& v : mesh.vertices) {
        const QVector3D p(v.position[0], v.position[1], v.position[2]);
        low =
            QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()), std::min(low.z(), p.z()));
        high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                         std::max(high.z(), p.z()));
    }
    if (mesh.vertices.empty()) {
        low = high = QVector3D();
    }
    centre_ = (low + high) / 2;
    radius_ = std::max((high - low).length() / 2, 1.0f);
}

void MeshRenderer::render(const QMatrix4x4& projection, const QMatrix4x4& view) {
    glClearColor(kBackground[0], kBackground[1], kBackground[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (indexCount_ == 0) {
        return;
    }
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);

    program_.bind();
    program_.setUniformValue("modelView", view);
    program_.setUniformValue("projection", projection);
    vertices_.bind();
    indices_.bind();
    program_.enableAttributeArray(0);
    program_.enableAttributeArray(1);
    program_.setAttributeBuffer(0, GL_FLOAT, offsetof(MeshVertex, position), 3, sizeof(MeshVertex));
    program_.setAttributeBuffer(1, GL_FLOAT, offsetof(MeshVertex, normal), 3, sizeof(MeshVertex));
    glDrawElements(GL_TRIANGLES, indexCount_, GL_UNSIGNED_INT, nullptr);
    program_.disableAttributeArray(0);
    program_.disableAttributeArray(1);
    indices_.release();
    vertices_.release();
    program_.release();
}

void MeshRenderer::release() {
    vertices_.destroy();
    indices_.destroy();
    program_.removeAllShaders();
}

}  // namespace kelvarin
