// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelWriter.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "model3d/ModelError.h"
#include "model3d/SolidMesh.h"

namespace kelvarin::model3d {

ModelFormat modelFormatOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".step" || extension == ".stp") {
        return ModelFormat::Step;
    }
    if (extension == ".stl") {
        return ModelFormat::Stl;
    }
    throw ModelError("Не удалось сохранить модель в файл «" + path.string() +
                     "»: модель сохраняется в файлы .step, .stp или .stl.");
}

void writeModel(const PropellerSolid& solid, const std::filesystem::path& path) {
    switch (modelFormatOf(path)) {
        case ModelFormat::Step:
            writeStep(solid, path);
            break;
        case ModelFormat::Stl:
            writeStl(meshOf(solid), path);
            break;
    }
}

}  // namespace kelvarin::model3d
