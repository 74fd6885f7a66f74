// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/PropellerDesign.h"

namespace kelvarin {

// For the status line, beside the pitch field: the blade's own pitch at 0.75 R where it differs
// from the field's as both are shown, to two decimals ("Шаг лопасти 1,04 м (в поле 0,52 м)",
// or for a blade matched to its engine "Шаг лопасти 0,47 м, подобран под двигатель (в поле
// 0,52 м)"), with the current decimal separator; empty where they agree or the design has no
// blade yet.
std::string bladePitchNote(const PropellerDesign& design);

}  // namespace kelvarin
