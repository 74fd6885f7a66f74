// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include "model3d/PropellerSolid.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin {

// The chordal deviation of the meshes for printing: no point of a triangle lies further from
// the true surface than this.
inline constexpr double kStlChordalDeviationMm = 0.05;

// The preview's mesh is coarser: a ten-thousandth of the diameter (0.15 mm for a 1.5 m
// propeller, 1 mm for 10 m), which the eye cannot tell from the surface on a screen and which
// keeps a large propeller's preview quick.
inline double previewDeviationMm(double diameterMm) {
    return diameterMm > 0 ? std::max(kStlChordalDeviationMm, diameterMm * 1e-4)
                          : kStlChordalDeviationMm;
}

// Meshes the solid (the mesh is kept with it, so a second call with the same deviation is
// quick). Throws ModelError when the mesher fails.
TriangleMesh meshOf(const PropellerSolid& solid,
                    double chordalDeviationMm = kStlChordalDeviationMm);

}  // namespace kelvarin
