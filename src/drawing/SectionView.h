#pragma once

#include <cstdint>
#include <string>

#include "core/PropellerDesign.h"

namespace kelvarin {

// The view bitmap of one section holds at most this many pixels (1 GiB at 4 bytes a pixel); a
// larger one fails the view instead of exhausting memory. Ordinary designs must stay well
// inside it at 1200 dpi: a 3 m propeller with a 1.5 m pitch, turned, needs about 160 million.
inline constexpr std::int64_t kMaxViewBitmapPixels = std::int64_t{1} << 28;

// "Сечение 0,2 радиуса: 151,7 мм от центра винта": where the section lies on the blade.
std::string SectionViewCaption(const PropellerDesign& design, int section);

struct ViewBitmapSize {
    std::int32_t width;
    std::int32_t height;
};

// The view bitmap of a built section: as wide as the X of its trailing edge (point 0) and 10
// pixels taller than that point's Y. Throws Failure when either is negative or the bitmap
// would exceed kMaxViewBitmapPixels.
ViewBitmapSize SectionBitmapSize(const PropellerDesign& design, int section);

}  // namespace kelvarin
