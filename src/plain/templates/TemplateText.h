// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvarin {

// Every text of the templates is set in this face, which has the Cyrillic letters and the
// scissors U+2702; the layout measures it with the face's own metrics, so that it comes out the
// same on every machine and in every writer.
inline constexpr std::string_view kTemplateFontFace = "DejaVu Sans";

// The room a single line of UTF-8 text takes at a size in points on a surface of `dpi`, in
// its device pixels, for the face's size rounded up to whole pixels: the advance widths of its
// characters (the widest of the face for one it lacks), each rounded up, and the face's ascent
// and descent, rounded up. Invalid UTF-8 counts as the
// widest character per byte.
struct TextSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
TextSize textSize(std::string_view text, int points, std::int32_t dpi);

}  // namespace kelvarin
