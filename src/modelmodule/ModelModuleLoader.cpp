// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelmodule/ModelModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

#include "model3d/ModelError.h"
#include "modelmodule/ModelModule.h"
#include "programinfo/ProgramInfo.h"

namespace kelvarin::modelmodule {

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
    const std::string unbuilt = "Модель винта не построена: ";
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
            return {nullptr, unbuilt + "модуль 3D-моделей " + quoted(file) + " не загружается (" +
                                 (reason ? reason : "причина неизвестна") +
                                 "); переустановите программу."};
        }
        const auto entry = reinterpret_cast<ModelModuleEntry>(::dlsym(handle, kModelModuleEntry));
        const ModelModuleApi* api = entry != nullptr ? entry() : nullptr;
        if (api == nullptr || api->version != kModelModuleVersion) {
            return {nullptr, unbuilt + "модуль 3D-моделей " + quoted(file) +
                                 " от другой версии программы; переустановите программу."};
        }
        return {api, {}};
    }
    return {nullptr, unbuilt + "не найден модуль 3D-моделей (искали " + looked +
                         "); переустановите программу."};
}

const ModelModuleApi& module() {
    static const LoadedModule loaded = load();
    if (loaded.api == nullptr) {
        throw model3d::ModelError(loaded.failure);
    }
    return *loaded.api;
}

void throwIfFailed(const std::string& failure) {
    if (!failure.empty()) {
        throw model3d::ModelError(failure);
    }
}

}  // namespace

void checkDesignModel(const PropellerDesign& design) {
    throwIfFailed(module().checkModel(design));
}

void writeDesignModel(const PropellerDesign& design, model3d::Handedness hand,
                      const std::string& path) {
    throwIfFailed(module().writeModel(design, hand, path));
}

model3d::TriangleMesh meshDesignModel(const PropellerDesign& design, model3d::Handedness hand) {
    model3d::TriangleMesh mesh;
    throwIfFailed(module().meshModel(design, hand, mesh));
    return mesh;
}

void useModelModuleFile(const std::string& path) {
    chosenFile() = path;
}

}  // namespace kelvarin::modelmodule
