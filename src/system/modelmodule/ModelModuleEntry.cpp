// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: the solid built and written or meshed by model3d, behind the plain
// interface of ModelModule.h.
#include <exception>
#include <new>
#include <optional>

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

// The solid with what it was built from and what has been worked out of it: the preview,
// its info for another wood and the export of the same design ask again and again.
struct ModelModuleSolid {
    PropellerShape shape;
    Handedness hand;
    ModelOptions options;
    PropellerSolid solid;
    std::optional<TriangleMesh> previewMesh;
    std::optional<SolidMeasures> measures;
};

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

// The options that shape the solid: all but the wood's.
bool sameSolidOptions(const ModelOptions& a, const ModelOptions& b) {
    return a.hub == b.hub && a.trailingEdgeMm == b.trailingEdgeMm;
}

std::string checkModel(const PropellerDesign& design) {
    return attempt([&] { checkShape(shapeFromDesign(design)); });
}

std::string buildModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                       ModelModuleSolid** solid) {
    return attempt([&] {
        PropellerShape shape = shapeFromDesign(design);
        PropellerSolid built = buildPropellerSolid(shape, hand, options);
        *solid = new ModelModuleSolid{std::move(shape), hand, options, std::move(built), {}, {}};
    });
}

bool isModelOf(const ModelModuleSolid* solid, const PropellerDesign& design, Handedness hand,
               const ModelOptions& options) {
    return solid->hand == hand && sameSolidOptions(solid->options, options) &&
           solid->shape == shapeFromDesign(design);
}

std::string writeModel(ModelModuleSolid* solid, const std::string& path) {
    return attempt([&] { writeModel(solid->solid, path); });
}

std::string meshModel(ModelModuleSolid* solid, TriangleMesh& mesh) {
    return attempt([&] {
        if (!solid->previewMesh) {
            solid->previewMesh = meshOf(solid->solid, previewDeviationMm(solid->shape.diameterMm));
        }
        mesh = *solid->previewMesh;
    });
}

std::string describeModel(ModelModuleSolid* solid, const ModelOptions& options,
                          const BladeLoad& load, ModelInfo& info) {
    return attempt([&] {
        if (!solid->measures) {
            solid->measures = measuresOf(solid->solid);
        }
        ModelOptions forWood = solid->options;
        forWood.wood = options.wood;
        forWood.densityKgM3 = options.densityKgM3;
        info = summaryOf(*solid->measures, solid->shape, forWood, load);
    });
}

void releaseModel(ModelModuleSolid* solid) {
    delete solid;
}

const ModelModuleApi kApi{kModelModuleVersion, &checkModel,   &buildModel,
                          &isModelOf,          &writeModel,   &meshModel,
                          &describeModel,      &releaseModel, &followProgram};

}  // namespace

}  // namespace kelvarin

extern "C" __attribute__((visibility("default"))) const kelvarin::ModelModuleApi*
kelvarinModelModule() {
    return &kelvarin::kApi;
}
