// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Outlines are built in tenths of a millimetre and drawn in device pixels: dpi / kTenthsPerInch
// pixels per tenth on both axes.
inline constexpr double kTenthsPerInch = 254.0;
// Station lengths are in metres.
inline constexpr double kTenthsPerMetre = 10000.0;

}  // namespace kelvarin
