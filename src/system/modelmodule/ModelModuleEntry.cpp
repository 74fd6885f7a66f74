// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: the solid built and written or meshed by model3d, behind the plain
// interface of ModelModule.h.
#include <exception>
#include <new>

#include "core/AvxUpperHalves.h"
#include "core/Translation.h"
#include "model3d/DesignShape.h"
#include "model3d/ModelError.h"
#include "model3d/ModelSummary.h"
#include "model3d/ModelWriter.h"
#include "model3d/PropellerSolid.h"
#include "model3d/ShapeCheck.h"
#include "model3d/SolidMesh.h"
#include "modelmodule/ModelModule.h"

namespace kelvarin {

namespace {

// Runs a step and turns whatever it throws into the text the user is shown.
template <typename Step>
std::string attempt(Step step) {
    // The window's process calls in here with the vector state that Qt leaves behind.
    clearAvxUpperHalves();
    try {
        step();
        return {};
    } catch (const ModelError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return translatedText("kelvarin::ModelModuleEntry",
                              "Модель винта не построена: не хватает памяти.");
    } catch (...) {
        return translatedText("kelvarin::ModelModuleEntry",
                              "Модель винта не построена: непредвиденная ошибка.");
    }
}

std::string checkModel(const PropellerDesign& design) {
    return attempt([&] { checkShape(shapeFromDesign(design)); });
}

std::string writeModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                       const std::string& path) {
    return attempt(
        [&] { writeModel(buildPropellerSolid(shapeFromDesign(design), hand, options), path); });
}

std::string meshModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                      TriangleMesh& mesh) {
    return attempt([&] {
        const PropellerShape shape = shapeFromDesign(design);
        mesh =
            meshOf(buildPropellerSolid(shape, hand, options), previewDeviationMm(shape.diameterMm));
    });
}

std::string describeModel(const PropellerDesign& design, Handedness hand,
                          const ModelOptions& options, const BladeLoad& load, ModelInfo& info) {
    return attempt([&] {
        const PropellerShape shape = shapeFromDesign(design);
        info = summaryOf(buildPropellerSolid(shape, hand, options), shape, options, load);
    });
}

void useCatalogue(const TextCatalogue* catalogue) {
    setTextCatalogue(catalogue);
}

const ModelModuleApi kApi{kModelModuleVersion, &checkModel,    &writeModel,
                          &meshModel,          &describeModel, &useCatalogue};

}  // namespace

}  // namespace kelvarin

extern "C" __attribute__((visibility("default"))) const kelvarin::ModelModuleApi*
kelvarinModelModule() {
    return &kelvarin::kApi;
}
