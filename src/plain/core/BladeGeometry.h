// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FieldSheet.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// Reads diameter and pitch again from their fields, as shown, and fills the station table and
// the section profiles, the angles along the helix of the design's blade angle rule. A text that is
// not a number ends the run (FieldNotANumber) before any table changes; an arithmetic fault in the
// tables ends only this step, keeping what was written so far.
void computeGeometry(PropellerDesign& design, FieldSheet& fields);

// The station table and profiles again for the design's own diameter and pitch, along the helix
// of its rule: after the rule was changed without a new calculation.
void applyBladeAngleRule(PropellerDesign& design);

// Keeps `helixPitchM` as the engine's matched helix and makes the station table and profiles
// follow it (the rule is left as it is).
void applyEngineHelix(PropellerDesign& design, double helixPitchM);

}  // namespace kelvarin
