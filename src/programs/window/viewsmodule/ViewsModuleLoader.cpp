// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewsmodule/ViewsModuleLoader.h"

#include "core/Failure.h"
#include "moduleloader/ModuleFile.h"

namespace kelvarin {

namespace {

struct ModuleChoice {
    std::string file;  // empty: beside the program, else installed
    const ViewsModuleApi* api = nullptr;
};

ModuleChoice& choice() {
    static ModuleChoice chosen;
    return chosen;
}

}  // namespace

const ViewsModuleApi& viewsModule() {
    ModuleChoice& chosen = choice();
    if (chosen.api != nullptr) {
        return *chosen.api;
    }
    const OpenedModule opened = openModule(kViewsModuleFile, kViewsModuleEntry, chosen.file);
    if (opened.outcome != OpenedModule::Outcome::Opened) {
        throw Failure(moduleFailureText(opened, kViewsModuleFile));
    }
    const ViewsModuleApi* api = reinterpret_cast<ViewsModuleEntry>(opened.entry)();
    if (api == nullptr || api->version != kViewsModuleVersion || api->editHub == nullptr) {
        throw Failure(moduleFailureText({OpenedModule::Outcome::Foreign, opened.file, {}, nullptr},
                                        kViewsModuleFile));
    }
    api->followProgram(programHooks());
    chosen.api = api;
    return *api;
}

void useViewsModuleFile(const std::string& path) {
    choice() = {path, nullptr};
}

}  // namespace kelvarin
