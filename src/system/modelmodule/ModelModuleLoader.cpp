// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelmodule/ModelModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

#include "core/ProgramInfo.h"
#include "core/Translation.h"
#include "model3d/ModelError.h"
#include "modelmodule/ModelModule.h"

namespace kelvarin {

namespace {

namespace fs = std::filesystem;

std::string& chosenFile() {
    static std::string file;
    return file;
}

std::vector<fs::path> candidates() {
    if (!chosenFile().empty()) {
        return {chosenFile()};
    }
    std::error_code error;
    const fs::path programDir = fs::read_symlink("/proc/self/exe", error).parent_path();
    return {programDir / kModelModuleFile,
            (programDir / kModuleDirFromProgram / kModelModuleFile).lexically_normal()};
}

std::string quoted(const fs::path& path) {
    return "«" + path.string() + "»";
}

struct LoadedModule {
    const ModelModuleApi* api = nullptr;
    std::string failure;
};

LoadedModule load() {
    std::string looked;
    for (const fs::path& file : candidates()) {
        std::error_code error;
        if (!fs::exists(file, error)) {
            looked += (looked.empty() ? "" : ", ") + quoted(file);
            continue;
        }
        // Kept loaded to the end: the kernel's statics must outlive every use.
        void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = ::dlerror();
            return {nullptr,
                    withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                 "Модель винта не построена: модуль 3D-моделей "
                                                 "%1 не загружается (%2); переустановите "
                                                 "программу."),
                                  {quoted(file), reason != nullptr
                                                     ? std::string(reason)
                                                     : translatedText("kelvarin::ModelModuleLoader",
                                                                      "причина неизвестна")})};
        }
        const auto entry = reinterpret_cast<ModelModuleEntry>(::dlsym(handle, kModelModuleEntry));
        const ModelModuleApi* api = entry != nullptr ? entry() : nullptr;
        if (api == nullptr || api->version != kModelModuleVersion || api->useCatalogue == nullptr ||
            api->describeModel == nullptr) {
            return {nullptr,
                    withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                 "Модель винта не построена: модуль 3D-моделей "
                                                 "%1 от другой версии программы; "
                                                 "переустановите программу."),
                                  {quoted(file)})};
        }
        return {api, {}};
    }
    return {nullptr, withArguments(translatedText("kelvarin::ModelModuleLoader",
                                                  "Модель винта не построена: не найден модуль "
                                                  "3D-моделей (искали %1); переустановите "
                                                  "программу."),
                                   {looked})};
}

// The module, speaking the program's language as it is at this call. The failure to load is
// kept as first worded.
const ModelModuleApi& module() {
    static const LoadedModule loaded = load();
    if (loaded.api == nullptr) {
        throw ModelError(loaded.failure);
    }
    loaded.api->useCatalogue(currentTextCatalogue());
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

void writeDesignModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                      const std::string& path) {
    throwIfFailed(module().writeModel(design, hand, options, path));
}

void writeDesignModel(const PropellerDesign& design, Handedness hand, const std::string& path) {
    writeDesignModel(design, hand, {}, path);
}

TriangleMesh meshDesignModel(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options) {
    TriangleMesh mesh;
    throwIfFailed(module().meshModel(design, hand, options, mesh));
    return mesh;
}

ModelInfo describeDesignModel(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, const BladeLoad& load) {
    ModelInfo info;
    throwIfFailed(module().describeModel(design, hand, options, load, info));
    return info;
}

void useModelModuleFile(const std::string& path) {
    chosenFile() = path;
}

}  // namespace kelvarin
