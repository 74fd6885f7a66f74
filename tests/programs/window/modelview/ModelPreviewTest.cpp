// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/ModelPreviewDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <cstring>

#include <dlfcn.h>
#include <link.h>

#include "StartDesign.h"
#include "model3d/PropellerSolid.h"
#include "model3d/SolidMesh.h"
#include "modelview/HubDialog.h"
#include "modelview/ModelInfoPanel.h"
#include "modelview/ModelView.h"

namespace kelvarin {
namespace {

// Pixels that are not the background, in a frame of the view.
int modelPixels(const QImage& frame) {
    const QRgb background = frame.pixel(2, 2);
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            count += frame.pixel(x, y) != background ? 1 : 0;
        }
    }
    return count;
}

// Mesa's driver is unloaded at exit before the leak check runs, and what its globals held then
// looks leaked; keep it loaded to the end, so that the check sees those blocks held.
void keepGlDriverLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (std::strstr(info->dlpi_name, "_dri.so") != nullptr) {
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

void send(QWidget* to, QEvent* event) {
    QApplication::sendEvent(to, event);
}

TEST(ModelPreview, DrawsTheStartDesignAndFollowsDragAndWheel) {
    ModelPreviewDialog dialog(meshOf(buildPropellerSolid(testing::startShape())));
    ModelView* view = dialog.view();
    QSignalSpy failures(view, &ModelView::renderingFailed);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QImage first = view->grabFramebuffer();
    keepGlDriverLoaded();
    ASSERT_TRUE(view->context() != nullptr && view->context()->isValid());
    view->makeCurrent();
    EXPECT_EQ(view->context()->functions()->glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    view->doneCurrent();
    EXPECT_EQ(failures.count(), 0);
    // The long blades cross most of the view's width but cover only a part of it.
    const int shown = modelPixels(first);
    EXPECT_GT(shown, first.width() * first.height() / 50);
    EXPECT_LT(shown, first.width() * first.height() / 2);

    const QQuaternion before = view->camera().orientation();
    const QPointF middle(view->width() / 2.0, view->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, middle, view->mapToGlobal(middle), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    send(view, &press);
    const QPointF moved = middle + QPointF(80, 30);
    QMouseEvent drag(QEvent::MouseMove, moved, view->mapToGlobal(moved), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    send(view, &drag);
    EXPECT_FALSE(qFuzzyCompare(view->camera().orientation(), before));
    EXPECT_NE(view->grabFramebuffer(), first);

    const float zoom = view->camera().zoomFactor();
    QWheelEvent wheel(middle, view->mapToGlobal(middle), QPoint(), QPoint(0, 2 * 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    send(view, &wheel);
    EXPECT_NEAR(view->camera().zoomFactor(), zoom * 1.15f * 1.15f, 1e-4);
    EXPECT_GT(modelPixels(view->grabFramebuffer()), shown);
}

// At zoom 1 the ball round the model just fits across the wider side of any view (a propeller
// is long and thin; the narrow side may cut the ball).
TEST(ModelPreview, CameraFitsTheModelAcrossTheWiderSide) {
    OrbitCamera camera;
    camera.fit(QVector3D(10, -20, 5), 750);
    for (float aspect : {1.6f, 1.0f, 0.5f}) {
        const QMatrix4x4 view = camera.viewMatrix(aspect);
        const QMatrix4x4 projection = camera.projectionMatrix(aspect);
        const QVector3D centre = view.map(QVector3D(10, -20, 5));
        // The edge of the ball's silhouette, seen from the eye, across and up the view.
        const float d = centre.length();
        const float tangent = 750 / std::sqrt(d * d - 750 * 750);
        const float across = projection.map(centre + QVector3D(-centre.z() * tangent, 0, 0)).x();
        const float up = projection.map(centre + QVector3D(0, -centre.z() * tangent, 0)).y();
        EXPECT_NEAR(std::abs(aspect >= 1 ? across : up), 1.0f, 0.01f) << aspect;
    }
}

TEST(HubDialog, RefusesHolesThatRunIntoEachOtherAndKeepsTheWood) {
    ModelOptions start;
    start.wood = "beech";
    HubDialog dialog(start);
    dialog.findChild<QSpinBox*>(QStringLiteral("HoleCount"))->setValue(24);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("HoleDiameter"))->setValue(12);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.problem().contains(QStringLiteral("сливаются")))
        << dialog.problem().toStdString();

    dialog.findChild<QSpinBox*>(QStringLiteral("HoleCount"))->setValue(4);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.options().hub.holeCount, 4);
    EXPECT_EQ(dialog.options().wood, "beech");
}

TEST(ModelInfoPanel, WarnsOnlyBelowTheRecommendedFactor) {
    ModelInfoPanel panel;
    ModelInfo info;
    info.stations = {{3, 150, 8000, 3, 10, 5.8}, {4, 220, 7000, 4, 20, 4.1}};
    panel.setInfo(info, "ash", {2300, 500, 40});
    EXPECT_FALSE(panel.warns());
    info.stations[1].safetyFactor = 3.9;
    panel.setInfo(info, "ash", {2300, 500, 40});
    EXPECT_TRUE(panel.warns());
}

}  // namespace
}  // namespace kelvarin
