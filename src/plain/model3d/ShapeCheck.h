// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model3d/PropellerShape.h"

namespace kelvarin {

// The limits within which a propeller is worth a solid: a home-built propeller lies well
// inside them, and beyond them the geometry is nonsense or the kernel's tolerances take over.
inline constexpr double kMinDiameterMm = 100;    // 10 cm
inline constexpr double kMaxDiameterMm = 10000;  // 10 m
// Steeper than this, a section stands almost along the axis: its chord is more than
// 5.7 times its width and neighbouring sections turn through one another in the loft.
inline constexpr double kMaxBladeAngleDeg = 80;

// Throws ModelError, in Russian and naming the station and the value, when the shape is
// degenerate: a value that is not a finite number, a diameter outside the limits, a zero
// width, chord or thickness, a blade angle of zero or less or above the limit, or stations
// out of order along the radius.
void checkShape(const PropellerShape& shape);

}  // namespace kelvarin
