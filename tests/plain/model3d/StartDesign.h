// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model3d/DesignShape.h"
#include "support/DefaultDesign.h"

namespace kelvarin::testing {

// The design of the start texts (diameter 151,7 cm, pitch 0,52 m), or of another diameter and
// pitch typed by hand.
inline PropellerDesign startDesign(const char* diameterCm = "151,7", const char* pitchM = "0,52") {
    return DesignOf(diameterCm, pitchM);
}

inline PropellerShape startShape() {
    return shapeFromDesign(startDesign());
}

}  // namespace kelvarin::testing
