// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelmodule/ModelModuleLoader.h"

#include <utility>

#include "core/Translation.h"
#include "model3d/ModelError.h"
#include "modelmodule/ModelModule.h"
#include "moduleloader/ModuleFile.h"

namespace kelvarin {

namespace {

std::string& chosenFile() {
    static std::string file;
    return file;
}

struct LoadedModule {
    const ModelModuleApi* api = nullptr;
    std::string failure;
};

LoadedModule load() {
    const OpenedModule opened = openModule(kModelModuleFile, kModelModuleEntry, chosenFile());
    switch (opened.outcome) {
        case OpenedModule::Outcome::Missing:
            return {nullptr, withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                          "Модель винта не построена: не найден "
                                                          "модуль 3D-моделей (искали %1); "
                                                          "переустановите программу."),
                                           {opened.file})};
        case OpenedModule::Outcome::NotLoadable:
            return {nullptr,
                    withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                 "Модель винта не построена: модуль 3D-моделей "
                                                 "%1 не загружается (%2); переустановите "
                                                 "программу."),
                                  {opened.file, opened.reason})};
        case OpenedModule::Outcome::Opened:
        case OpenedModule::Outcome::Foreign:
            break;
    }
    const auto entry = reinterpret_cast<ModelModuleEntry>(opened.entry);
    const ModelModuleApi* api = entry != nullptr ? entry() : nullptr;
    if (api == nullptr || api->version != kModelModuleVersion || api->followProgram == nullptr ||
        api->releaseModel == nullptr) {
        return {nullptr, withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                      "Модель винта не построена: модуль "
                                                      "3D-моделей %1 от другой версии программы; "
                                                      "переустановите программу."),
                                       {opened.file})};
    }
    api->followProgram(programHooks());
    return {api, {}};
}

// The module, which speaks the program's language and writes its numbers from loading on. The
// failure to load is kept as first worded.
const ModelModuleApi& module() {
    static const LoadedModule loaded = load();
    if (loaded.api == nullptr) {
        throw ModelError(loaded.failure);
    }
    return *loaded.api;
}

void throwIfFailed(const std::string& failure) {
    if (!failure.empty()) {
        throw ModelError(failure);
    }
}

}  // namespace

void checkDesignModel(const PropellerDesign& design) {
    throwIfFailed(module().checkModel(design));
}

DesignSolid::DesignSolid(DesignSolid&& other) noexcept
    : solid_(std::exchange(other.solid_, nullptr)) {}

DesignSolid& DesignSolid::operator=(DesignSolid&& other) noexcept {
    std::swap(solid_, other.solid_);
    return *this;
}

DesignSolid::~DesignSolid() {
    if (solid_ != nullptr) {
        // Loaded, or there would be no solid.
        module().releaseModel(solid_);
    }
}

bool DesignSolid::isOf(const PropellerDesign& design, Handedness hand,
                       const ModelOptions& options) const {
    return solid_ != nullptr && module().isModelOf(solid_, design, hand, options);
}

DesignSolid buildDesignSolid(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options) {
    ModelModuleSolid* solid = nullptr;
    throwIfFailed(module().buildModel(design, hand, options, &solid));
    return DesignSolid(solid);
}

void writeDesignModel(const DesignSolid& solid, const std::string& path) {
    throwIfFailed(module().writeModel(solid.solid_, path));
}

TriangleMesh meshDesignModel(const DesignSolid& solid) {
    TriangleMesh mesh;
    throwIfFailed(module().meshModel(solid.solid_, mesh));
    return mesh;
}

ModelInfo describeDesignModel(const DesignSolid& solid, const ModelOptions& options,
                              const BladeLoad& load) {
    ModelInfo info;
    throwIfFailed(module().describeModel(solid.solid_, options, load, info));
    return info;
}

void writeDesignModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                      const std::string& path) {
    writeDesignModel(buildDesignSolid(design, hand, options), path);
}

void writeDesignModel(const PropellerDesign& design, Handedness hand, const std::string& path) {
    writeDesignModel(design, hand, {}, path);
}

TriangleMesh meshDesignModel(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options) {
    return meshDesignModel(buildDesignSolid(design, hand, options));
}

ModelInfo describeDesignModel(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, const BladeLoad& load) {
    return describeDesignModel(buildDesignSolid(design, hand, options), options, load);
}

void useModelModuleFile(const std::string& path) {
    chosenFile() = path;
}

}  // namespace kelvarin
