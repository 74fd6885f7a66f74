// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CalculationWindow.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// The whole of a click on Calculate: sizing (unless manual), geometry, report, section view.
// Any failure ends the run silently; what was done before it stays.
void runCalculation(PropellerDesign& design, CalculationWindow& window) noexcept;

}  // namespace kelvarin
