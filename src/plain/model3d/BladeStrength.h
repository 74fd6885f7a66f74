// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model3d/ModelInfo.h"
#include "model3d/PropellerShape.h"

namespace kelvarin {

// The strength of one of the two blades at stations 3 to 10, plain beam theory:
// - the centrifugal pull of the blade outboard of a station, ρ ω² ∫ A(r) r dr over the section
//   areas A (the solid's sections, trailing edge thickened), over the station's area;
// - bending from the thrust and the torque, each spread along the blade as r² times the chord
//   (a constant lift coefficient at the local dynamic pressure), their moments about the
//   station taken onto the section's chord and thickness and divided by its section moduli;
//   the two bending stresses are added as if they met at one corner, which is on the safe
//   side;
// - the safety factor, the wood's strength over tension plus bending.
// The root's limit speed assumes every stress grows as the square of the rpm: the pull does,
// and so do thrust and torque at the same advance ratio.
std::vector<StationStrength> bladeStrength(const PropellerShape& shape, double trailingEdgeMm,
                                           double densityKgM3, double strengthMPa,
                                           const BladeLoad& load);

// The rpm at which the root's safety factor (that of the first station) falls to the
// recommended one, or 0 when there is no load.
double rootLimitRpm(const std::vector<StationStrength>& stations, double rpm,
                    double recommendedFactor);

}  // namespace kelvarin
