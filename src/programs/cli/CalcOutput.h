// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/CalculationRun.h"

namespace kelvarin {

// What `kelvarin-cli calc` prints for a completed calculation: the sizing as the fields show
// it, the stations 2 to 11 as the report lists them, and the sanity line. With `bladePitch`
// also each station's geometric pitch, the blade's pitch at 0.75 R and the blade angle rule
// (without it the output is what it was before the rules).

// For a reader: Russian, the numbers as the report writes them, with the current separator.
std::string calcText(const CalculationOutcome& outcome, InputMode mode, bool bladePitch = false);
// For a spreadsheet: one header line and one line per station, the design's figures repeated
// on each, numbers with a point at full precision, CR LF line ends.
std::string calcCsv(const CalculationOutcome& outcome, InputMode mode, bool bladePitch = false);
// For a program: one object with the sizing, the stations, the section profiles (stations 3 to
// 11, 13 points each, in millimetres) and the sanity figures; numbers at full precision.
std::string calcJson(const CalculationOutcome& outcome, InputMode mode, bool bladePitch = false);

}  // namespace kelvarin
