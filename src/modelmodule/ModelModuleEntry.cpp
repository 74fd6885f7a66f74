// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: the solid built and written or meshed by model3d, behind the plain
// interface of ModelModule.h.
#include <exception>
#include <new>

#include "core/AvxUpperHalves.h"
#include "model3d/DesignShape.h"
#include "model3d/ModelError.h"
#include "model3d/ModelSummary.h"
#include "model3d/ModelWriter.h"
#include "model3d/PropellerSolid.h"
#include "model3d/ShapeCheck.h"
#include "model3d/SolidMesh.h"
#include "modelmodule/ModelModule.h"
#include "translation/Translation.h"

namespace kelvarin::modelmodule {

namespace {

// Runs a step and turns whatever it throws into the text the user is shown.
template <typename Step>
std::string attempt(Step step) {
    // The window's process calls in here with the vector state that Qt leaves behind.
    clearAvxUpperHalves();
    try {
        step();
        return {};
    } catch (const model3d::ModelError& e) {
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
    return attempt([&] { model3d::checkShape(model3d::shapeFromDesign(design)); });
}

std::string writeModel(const PropellerDesign& design, model3d::Handedness hand,
                       const model3d::ModelOptions& options, const std::string& path) {
    return attempt([&] {
        model3d::writeModel(
            model3d::buildPropellerSolid(model3d::shapeFromDesign(design), hand, options), path);
    });
}

std::string meshModel(const PropellerDesign& design, model3d::Handedness hand,
                      const model3d::ModelOptions& options, model3d::TriangleMesh& mesh) {
    return attempt([&] {
        const model3d::PropellerShape shape = model3d::shapeFromDesign(design);
        mesh = model3d::meshOf(model3d::buildPropellerSolid(shape, hand, options),
                               model3d::previewDeviationMm(shape.diameterMm));
    });
}

std::string describeModel(const PropellerDesign& design, model3d::Handedness hand,
                          const model3d::ModelOptions& options, const model3d::BladeLoad& load,
                          model3d::ModelInfo& info) {
    return attempt([&] {
        const model3d::PropellerShape shape = model3d::shapeFromDesign(design);
        info = model3d::summaryOf(model3d::buildPropellerSolid(shape, hand, options), shape,
                                  options, load);
    });
}

void useCatalogue(const TextCatalogue* catalogue) {
    setTextCatalogue(catalogue);
}

const ModelModuleApi kApi{kModelModuleVersion, &checkModel,    &writeModel,
                          &meshModel,          &describeModel, &useCatalogue};

}  // namespace

}  // namespace kelvarin::modelmodule

extern "C" __attribute__((visibility("default"))) const kelvarin::modelmodule::ModelModuleApi*
kelvarinModelModule() {
    return &kelvarin::modelmodule::kApi;
}
