// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "core/PropellerDesign.h"

namespace kelvarin {

// The blade's true pitch, read back from its angles: the distance a station would advance in
// one turn along its own angle, 2πr·tan(angle), in metres. With any of the rules every station
// gives the helix of the rule.
double stationPitchM(const PropellerDesign& design, std::size_t stationIndex);

// The blade's pitch at three quarters of the tip radius, where a propeller's pitch is
// customarily quoted: between stations at 0.7 and 0.8 of the radius, linear in the radius.
double bladePitchM(const PropellerDesign& design);

}  // namespace kelvarin
