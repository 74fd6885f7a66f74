// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include "model3d/PropellerSolid.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin {

// The chordal deviation of the meshes for printing: no point of a triangle lies further from
// the true surface than this.
inline constexpr double kStlChordalDeviationMm = 0.05;

// The preview's mesh is coarser: a two-thousandth of the diameter (0.76 mm for a 1.5 m
// propeller, 5 mm for 10 m), under half a pixel of the preview as it opens, and shaded with
// the surface's own normals; a fifth of the triangles of a ten-thousandth, meshed in a quarter
// of the time.
inline double previewDeviationMm(double diameterMm) {
    return diameterMm > 0 ? std::max(kStlChordalDeviationMm, diameterMm * 5e-4)
                          : kStlChordalDeviationMm;
}

// Meshes the solid (the mesh is kept with it, so a second call with the same deviation is
// quick). Throws ModelError when the mesher fails.
TriangleMesh meshOf(const PropellerSolid& solid,
                    double chordalDeviationMm = kStlChordalDeviationMm);

}  // namespace kelvarin
