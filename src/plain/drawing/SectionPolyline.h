// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvarin {

// A point in whole units: device pixels (X to the right, Y downward) on every canvas, tenths of
// a millimetre in a work outline.
struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

inline constexpr std::size_t kOutlinePointCount = 25;

// A closed section outline: points 0 to 12 run over the upper surface from the trailing edge
// to the leading edge, points 13 to 24 back along the lower surface; point 24 equals point 0.
using SectionPolyline = std::array<OutlinePoint, kOutlinePointCount>;

}  // namespace kelvarin
