// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "templates/TemplateItems.h"

// Cutting a sheet larger than a page into overlapping tiles, and the crosses that line them up.
namespace kelvarin {

// A template larger than the printable area is printed in tiles of at most this many pages.
inline constexpr int kMaxTilesPerTemplate = 16;
// Neighbouring tiles show the same 10 mm of the sheet, with alignment crosses in it.
inline constexpr double kTileOverlapMm = 10.0;
// Tiles may share as little as this where that saves a sheet; the crosses still fit in it.
inline constexpr double kLeastTileOverlapMm = 8.0;
// A last tile that would add less than this to the ones before it is no sheet worth printing.
inline constexpr double kShortestTileFragmentMm = 20.0;

struct TileGeometry {
    std::int32_t overlap = 0;           // what neighbouring tiles share, pixels (kTileOverlapMm)
    std::int32_t leastOverlap = 0;      // pixels (kLeastTileOverlapMm)
    std::int32_t shortestFragment = 0;  // pixels (kShortestTileFragmentMm)
    std::int32_t crossArm = 0;          // half a cross's width, pixels (3 mm)
    std::int32_t penWidth = 0;
    std::int32_t clearance = 0;
};
TileGeometry tileGeometry(std::int32_t dpi, std::int32_t penWidth, std::int32_t clearance);

// Tiles of windowWidth × windowHeight, each stepX (stepY) further along the sheet than the one
// before it, so that neighbours share windowWidth − stepX (windowHeight − stepY).
struct TileGrid {
    int columns = 1;
    int rows = 1;
    std::int32_t stepX = 0;
    std::int32_t stepY = 0;
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
};

// The fewest tiles of the page's window that cover a sheet of sheetWidth × sheetHeight from its
// top-left corner, neighbours sharing TileGeometry::overlap. Where the last tile along an axis
// would add less than shortestFragment, the tiles along it share less (down to leastOverlap)
// so that one fewer covers the sheet, or, where that cannot be, share more so that every tile
// holds a whole window of it. The window is larger than the overlap. The counts stop growing
// past 1000.
TileGrid tileGrid(std::int32_t sheetWidth, std::int32_t sheetHeight, const PixelRect& window,
                  const TileGeometry& tiles);

// An alignment cross: a horizontal and a vertical line through one point of the sheet.
struct AlignmentCross {
    OutlinePoint centre;
    TemplateItem horizontal;
    TemplateItem vertical;
};

// Two crosses in every strip that neighbouring tiles share, one for each tile beside it, placed
// where they keep clear of the sheet's items (and of each other) as far as the strip allows,
// so that the tiles can be laid over one another and taped at true size.
std::vector<AlignmentCross> alignmentCrosses(const TileGrid& grid,
                                             const std::vector<TemplateItem>& sheet,
                                             const TileGeometry& tiles);

}  // namespace kelvarin
