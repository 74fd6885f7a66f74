// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "model3d/PropellerSolid.h"

namespace kelvarin {

// The blank, the volume, the mass and the balance of the solid, and the blade's strength at
// the load, for the options' wood (or density). The options are those the solid was built
// with; they are valid (buildPropellerSolid checked them).
ModelInfo summaryOf(const PropellerSolid& solid, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load);

}  // namespace kelvarin
