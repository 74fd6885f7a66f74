// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/IntegerRounding.h"

namespace kelvarin {

// Outlines are built in tenths of a millimetre and drawn in device pixels: dpi / kTenthsPerInch
// pixels per tenth on both axes.
inline constexpr double kTenthsPerInch = 254.0;
// Station lengths are in metres.
inline constexpr double kTenthsPerMetre = 10000.0;

// Pen widths, mark sizes and layout distances are counted in the pixels of 600 dpi and kept as
// they are at lower resolutions, where they only grow on paper; above 600 dpi they grow in
// proportion, rounded up, so that a line never prints thinner than it does at 600 dpi.
inline constexpr std::int32_t kBaseLayoutDpi = 600;

// Throws ArithmeticError where the result does not fit 32 bits.
inline std::int32_t layoutPixels(std::int32_t pixelsAt600, std::int32_t dpi) {
    if (dpi <= kBaseLayoutDpi) {
        return pixelsAt600;
    }
    const std::int64_t scaled =
        (std::int64_t{pixelsAt600} * dpi + (kBaseLayoutDpi - 1)) / kBaseLayoutDpi;
    return roundToInt32(static_cast<double>(scaled));
}

}  // namespace kelvarin
