// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "core/Translation.h"
#include "model3d/ModelError.h"

namespace kelvarin {

enum class ModelFormat { Step, Stl };

// The format a file name asks for: ".step" or ".stp" for STEP, ".stl" for STL, in any letter
// case. Throws ModelError for any other name. Plain, so that a file name is refused before the
// kernel is loaded.
inline ModelFormat modelFormatOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".step" || extension == ".stp") {
        return ModelFormat::Step;
    }
    if (extension == ".stl") {
        return ModelFormat::Stl;
    }
    throw ModelError(withArguments(translatedText("kelvarin::ModelFormat",
                                                  "Не удалось сохранить модель в файл «%1»: модель "
                                                  "сохраняется в файлы .step, .stp или .stl."),
                                   {path.string()}));
}

}  // namespace kelvarin
