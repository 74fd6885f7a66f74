// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "model3d/ModelFormat.h"
#include "model3d/PropellerSolid.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin {

// STEP AP214, millimetres, the solid as one body. Written atomically (see writeModelBytes).
void writeStep(const PropellerSolid& solid, const std::filesystem::path& path);

// Binary STL, millimetres, facet normals pointing out of the solid. Written atomically.
void writeStl(const TriangleMesh& mesh, const std::filesystem::path& path);

// The solid in the format its file name asks for, the STL meshed to kStlChordalDeviationMm.
// Throws ModelError; nothing is left under `path` then, and a file already there stays.
void writeModel(const PropellerSolid& solid, const std::filesystem::path& path);

}  // namespace kelvarin
