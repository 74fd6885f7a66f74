// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "core/PropellerDesign.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

// The view bitmap of one section holds at most this many pixels, so that a redraw stays under
// 256 MB at 4 bytes a pixel with room for the image box's smooth copy; a larger one fails the
// view instead of exhausting memory.
inline constexpr std::int64_t kMaxViewBitmapPixels = 60'000'000;

// The outlines for the view of `section`. The view draws at the printer's resolution; where the
// section's bitmap would pass kMaxViewBitmapPixels (a large turned section at 2400 dpi, say) it
// draws at the largest whole fraction of it that fits, down to 1 dpi, so that every section
// that can be shown at all is shown. Only the view steps down: the print job builds its
// outlines at the printer's own resolution. The result's dpi says what was drawn at. Throws
// ArithmeticError only where even 1 dpi does not fit 32 bits.
SectionOutlines buildViewOutlines(const PropellerDesign& design, std::int32_t printerDpi,
                                  bool turned, int section);

// "Сечение 0,2 радиуса: 151,7 мм от центра винта": where the section lies on the blade.
std::string sectionViewCaption(const PropellerDesign& design, int section);

struct ViewBitmapSize {
    std::int32_t width;
    std::int32_t height;
    // How far the outline is moved right and down into the bitmap.
    std::int32_t originX = 0;
    std::int32_t originY = 0;
};

// The view bitmap of a built section: as wide as the X of its trailing edge (point 0) and 10
// pixels taller than that point's Y, grown on any side that the drawn outline passes (its
// curves bulge past its points, its pen past its line), so that no stroke is cut at the
// bitmap's edge; the origin says how far the outline moves into the bitmap. A trailing edge at
// X = 0 (nothing calculated) gives an empty bitmap, 0 wide. Throws Failure when either
// coordinate of the trailing edge is negative or the bitmap would exceed kMaxViewBitmapPixels.
ViewBitmapSize sectionBitmapSize(const SectionOutlines& outlines, int section);

}  // namespace kelvarin
