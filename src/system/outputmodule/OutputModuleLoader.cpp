// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputmodule/OutputModuleLoader.h"

#include "core/Failure.h"
#include "moduleloader/ModuleFile.h"

namespace kelvarin {

namespace {

struct ModuleChoice {
    std::string file;  // empty: beside the program, else installed
    const OutputModuleApi* api = nullptr;
};

ModuleChoice& choice() {
    static ModuleChoice chosen;
    return chosen;
}

}  // namespace

const OutputModuleApi& outputModule() {
    ModuleChoice& chosen = choice();
    if (chosen.api != nullptr) {
        return *chosen.api;
    }
    const OpenedModule opened = openModule(kOutputModuleFile, kOutputModuleEntry, chosen.file);
    if (opened.outcome != OpenedModule::Outcome::Opened) {
        throw Failure(moduleFailureText(opened, kOutputModuleFile));
    }
    const OutputModuleApi* api = reinterpret_cast<OutputModuleEntry>(opened.entry)();
    if (api == nullptr || api->version != kOutputModuleVersion ||
        api->previewWithDialog == nullptr) {
        throw Failure(moduleFailureText({OpenedModule::Outcome::Foreign, opened.file, {}, nullptr},
                                        kOutputModuleFile));
    }
    api->followProgram(programHooks());
    chosen.api = api;
    return *api;
}

void throwOutputFailure(const OutputFailure& failure) {
    if (failure.printerMissing) {
        throw PrinterMissing();
    }
    if (!failure.text.empty()) {
        throw Failure(failure.text);
    }
}

void useOutputModuleFile(const std::string& path) {
    choice() = {path, nullptr};
}

}  // namespace kelvarin
