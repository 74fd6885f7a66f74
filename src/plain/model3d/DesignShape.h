// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PropellerDesign.h"
#include "model3d/PropellerShape.h"

namespace kelvarin {

// The solid's inputs from a calculated design: stations 1 and 2 become the hub, stations 3 to
// 11 the nine sections. Converts units only; checking is the builder's job.
PropellerShape shapeFromDesign(const PropellerDesign& design);

}  // namespace kelvarin
