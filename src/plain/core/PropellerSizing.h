// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FieldSheet.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// Diameter and pitch from power, speed and flight speeds (or, sizing by diameter, propeller
// speed and pitch from the given diameter), written back into their fields as rounded texts.
// Only the fields the mode takes as inputs are read. A diameter or pitch that rounds to zero in
// its field brings a message naming the inputs to change, then the field's fallback. Throws
// FieldNotANumber or ArithmeticError, leaving what was assigned before.
void sizePropeller(PropellerDesign& design, FieldSheet& fields, bool byDiameter);

}  // namespace kelvarin
