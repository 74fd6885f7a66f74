// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FieldSheet.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// Reads diameter and pitch again from their fields, as shown, and fills the station table and
// the section profiles. A text that is not a number ends the run (FieldNotANumber) before any
// table changes; an arithmetic fault in the tables ends only this step, keeping what was
// written so far.
void computeGeometry(PropellerDesign& design, FieldSheet& fields);

}  // namespace kelvarin
