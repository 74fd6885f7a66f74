// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <cstdio>
#include <memory>

#include "model3d/PropellerSolid.h"
#include "model3d/SolidMesh.h"
#include "modelview/MeshRenderer.h"
#include "modelview/OrbitCamera.h"
#include "plain/model3d/StartDesign.h"

namespace {

using namespace kelvarin;

// One frame of the preview as the view draws it, width x height pixels with the given samples a
// pixel, finished on the renderer (glFinish) before the clock stops. The camera turns a little
// each frame, as it does under a drag.
void BM_PreviewFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int samples = static_cast<int>(state.range(2));
    QOffscreenSurface surface;
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(&surface)) {
        state.SkipWithError("no OpenGL context: run under xvfb-run");
        return;
    }
    QOpenGLFramebufferObjectFormat fboFormat;
    fboFormat.setAttachment(QOpenGLFramebufferObject::Depth);
    fboFormat.setSamples(samples);
    QOpenGLFramebufferObject frame(width, height, fboFormat);
    frame.bind();

    const PropellerShape shape = testing::startShape();
    const TriangleMesh mesh =
        meshOf(buildPropellerSolid(shape), previewDeviationMm(shape.diameterMm));
    MeshRenderer renderer;
    if (!renderer.initialize()) {
        state.SkipWithError(qPrintable(renderer.log()));
        return;
    }
    renderer.setMesh(mesh);
    OrbitCamera camera;
    camera.fit(renderer.boundsCentre(), renderer.boundsRadius());
    QOpenGLFunctions* gl = context.functions();
    gl->glViewport(0, 0, width, height);
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    for (auto _ : state) {
        camera.turn(3, 1, height);
        renderer.render(camera.projectionMatrix(aspect), camera.viewMatrix(aspect));
        gl->glFinish();
    }
    state.counters["triangles"] = static_cast<double>(mesh.triangles.size());
    state.SetLabel(reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER)));
    renderer.release();
    frame.release();
    context.doneCurrent();
}
// The dialog's own size and a large window, as the view draws them (no multisampling), and a
// large window with four samples a pixel, for comparison.
BENCHMARK(BM_PreviewFrame)
    ->Args({880, 540, 0})
    ->Args({1280, 800, 0})
    ->Args({1280, 800, 4})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
