// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kelvarin {

// Files are laid out at 1200 dpi: their pages look as a 600 dpi print does, and a coordinate's
// rounding is a fiftieth of a millimetre.
inline constexpr std::int32_t kExportDpi = 1200;

}  // namespace kelvarin
