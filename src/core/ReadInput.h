// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CalculationWindow.h"

namespace kelvarin {

// Reads one input field into its member. An empty field or one that reads as zero brings the
// field's message and fallback text first; a text that is not a number throws ConversionError,
// leaving the member with whatever was assigned before.
void readInput(CalculationWindow& window, InputField field, double& member);

}  // namespace kelvarin
