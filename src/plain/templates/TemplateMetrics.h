// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "drawing/OutlineDrawing.h"
#include "templates/TemplateItems.h"
#include "templates/TemplateTiling.h"

namespace kelvarin {

// Captions, labels and the scissors take the largest size in this range that fits their room.
inline constexpr int kLargestTextPoints = 8;
inline constexpr int kSmallestTextPoints = 6;

// Template lines (outlines, reference, station and cut lines, crosses, calibration bars) are
// drawn this wide on paper at every resolution; the user may choose within the range.
inline constexpr double kDefaultTemplateLineMm = 0.25;
inline constexpr double kThinnestTemplateLineMm = 0.1;
inline constexpr double kThickestTemplateLineMm = 0.5;
// The width a template line is drawn: `requested` brought within the thinnest and the
// thickest, the default for what is no number.
double templateLineMm(double requested);
// Captions keep at least this far from any drawing.
inline constexpr double kCaptionGapMm = 1.0;

// The layout's distances at one resolution, in its device pixels: 600 dpi pixels at and below
// 600 dpi, grown in proportion above it (layoutPixels). The outline, cut line and page break
// positions at 600 dpi are those the templates always had.
struct TemplateMetrics {
    std::int32_t dpi = 0;
    std::int32_t pageTop = 0;       // top of the first outline on a page, and of a tile's window
    std::int32_t outlineLeft = 0;   // every outline is moved this far right
    std::int32_t captionLeft = 0;   // left edge of captions
    std::int32_t cutLineDrop = 0;   // cut line below the trailing edge
    std::int32_t sectionPitch = 0;  // next outline's top below the trailing edge
    std::int32_t clearance = 0;     // between neighbouring elements
    std::int32_t captionGap = 0;    // between a caption and any drawing (kCaptionGapMm)
    // The outline's width is the template line's (lineWidthMm); the marks keep their own pens.
    OutlinePens pens{};
    TileGeometry tiles;
};

// Lines lineWidthMm wide, brought within the thinnest and the thickest and at least a pixel.
// Throws TemplateLayoutError for a resolution outside 1..20000 dpi.
TemplateMetrics templateMetrics(std::int32_t dpi, double lineWidthMm = kDefaultTemplateLineMm);

// Device pixels of a length in millimetres at the metrics' resolution, rounded.
std::int32_t pixelsOfMm(double mm, std::int32_t dpi);

// A text item of the templates' face with its box, its top-left corner at topLeft.
TemplateItem textItem(std::string text, OutlinePoint topLeft, int points, std::int32_t dpi);

// The largest size from 8 down to 6 points at which the text fits the room; 0 where even 6
// points does not.
int fittingPoints(std::string_view text, std::int32_t roomWidth, std::int32_t roomHeight,
                  std::int32_t dpi);

}  // namespace kelvarin
