// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "model3d/PropellerSolid.h"

namespace kelvarin {

// What the solid measures whatever its wood: the blank and the volume with its centre. The
// slow part of a summary (a third of a second for the start design), so kept with the solid.
struct SolidMeasures {
    double lengthMm = 0;  // the blank: along the blades, across them, along the axis
    double widthMm = 0;
    double depthMm = 0;
    double volumeMm3 = 0;
    std::array<double, 3> centreOfMassMm{};
};

SolidMeasures measuresOf(const PropellerSolid& solid);

// The blank, the volume, the mass and the balance of the solid, and the blade's strength at
// the load, for the options' wood (or density). The options are those the solid was built
// with; they are valid (buildPropellerSolid checked them).
ModelInfo summaryOf(const SolidMeasures& measures, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load);
ModelInfo summaryOf(const PropellerSolid& solid, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load);

}  // namespace kelvarin
