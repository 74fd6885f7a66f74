// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduleloader/ModuleFile.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

#include "core/ProgramInfo.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> candidates(const std::string& fileName, const std::string& chosenFile) {
    if (!chosenFile.empty()) {
        return {chosenFile};
    }
    std::error_code error;
    const fs::path programDir = fs::read_symlink("/proc/self/exe", error).parent_path();
    return {programDir / fileName,
            (programDir / kModuleDirFromProgram / fileName).lexically_normal()};
}

std::string quoted(const fs::path& path) {
    return "«" + path.string() + "»";
}

}  // namespace

OpenedModule openModule(const std::string& fileName, const char* entryName,
                        const std::string& chosenFile) {
    std::string looked;
    for (const fs::path& file : candidates(fileName, chosenFile)) {
        std::error_code error;
        if (!fs::exists(file, error)) {
            looked += (looked.empty() ? "" : ", ") + quoted(file);
            continue;
        }
        // Never closed: windows, statics and callbacks of the module may outlive any caller.
        void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = ::dlerror();
            return {OpenedModule::Outcome::NotLoadable, quoted(file),
                    reason != nullptr
                        ? std::string(reason)
                        : translatedText("kelvarin::ModuleFile", "причина неизвестна"),
                    nullptr};
        }
        void* entry = ::dlsym(handle, entryName);
        if (entry == nullptr) {
            return {OpenedModule::Outcome::Foreign, quoted(file), {}, nullptr};
        }
        return {OpenedModule::Outcome::Opened, quoted(file), {}, entry};
    }
    return {OpenedModule::Outcome::Missing, looked, {}, nullptr};
}

std::string moduleFailureText(const OpenedModule& opened, const std::string& fileName) {
    switch (opened.outcome) {
        case OpenedModule::Outcome::Opened:
            return {};
        case OpenedModule::Outcome::Missing:
            return withArguments(translatedText("kelvarin::ModuleFile",
                                                "Не найден модуль программы %1 (искали %2); "
                                                "переустановите программу."),
                                 {fileName, opened.file});
        case OpenedModule::Outcome::NotLoadable:
            return withArguments(translatedText("kelvarin::ModuleFile",
                                                "Модуль программы %1 не загружается (%2); "
                                                "переустановите программу."),
                                 {opened.file, opened.reason});
        case OpenedModule::Outcome::Foreign:
            break;
    }
    return withArguments(translatedText("kelvarin::ModuleFile",
                                        "Модуль программы %1 от другой версии программы; "
                                        "переустановите программу."),
                         {opened.file});
}

}  // namespace kelvarin
