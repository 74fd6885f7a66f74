// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelWriter.h"

#include "model3d/SolidMesh.h"

namespace kelvarin {

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

}  // namespace kelvarin
