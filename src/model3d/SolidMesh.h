// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model3d/PropellerSolid.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin::model3d {

// The chordal deviation of the meshes for printing: no point of a triangle lies further from
// the true surface than this.
inline constexpr double kStlChordalDeviationMm = 0.05;

// Meshes the solid (the mesh is kept with it, so a second call with the same deviation is
// quick). Throws ModelError when the mesher fails.
TriangleMesh meshOf(const PropellerSolid& solid,
                    double chordalDeviationMm = kStlChordalDeviationMm);

}  // namespace kelvarin::model3d
