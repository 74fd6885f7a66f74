// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateTiling.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/IntegerRounding.h"
#include "drawing/BezierCurve.h"

namespace kelvarin {

namespace {

constexpr double kCrossArmMm = 3.0;
constexpr double kMmPerInch = 25.4;
constexpr std::int64_t kMostTiles = 1000;

// Tiles along one axis of the sheet and the step between them.
struct TilesAlong {
    int count = 1;
    std::int32_t step = 0;
};

TilesAlong tilesAlong(std::int32_t sheet, std::int32_t window, const TileGeometry& tiles) {
    const std::int32_t step = window - tiles.overlap;
    if (sheet <= window) {
        return {1, step};
    }
    const std::int64_t more = (std::int64_t{sheet} - window + step - 1) / step;
    if (1 + more > kMostTiles) {
        return {static_cast<int>(kMostTiles), step};
    }
    const auto count = static_cast<int>(1 + more);
    // What the last tile adds beyond the end of the one before it.
    const std::int64_t fragment = std::int64_t{sheet} - std::int64_t{count - 2} * step - window;
    if (fragment >= tiles.shortestFragment) {
        return {count, step};
    }
    const auto stepFor = [&](int n) {
        return static_cast<std::int32_t>((std::int64_t{sheet} - window + n - 2) / (n - 1));
    };
    if (count > 2 && window - stepFor(count - 1) >= tiles.leastOverlap) {
        return {count - 1, stepFor(count - 1)};
    }
    return {count, stepFor(count)};
}

// Points along every stroke of the sheet, no further apart than `spacing`, and the boxes of
// what is not a stroke: what a cross must keep clear of.
struct Obstacles {
    std::vector<OutlinePoint> points;
    std::vector<PixelRect> boxes;
};

double distance(OutlinePoint a, OutlinePoint b) {
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

OutlinePoint along(OutlinePoint a, OutlinePoint b, double t) {
    return {static_cast<std::int32_t>(std::lround(a.x + (b.x - a.x) * t)),
            static_cast<std::int32_t>(std::lround(a.y + (b.y - a.y) * t))};
}

int stepsFor(double length, std::int32_t spacing) {
    return static_cast<int>(std::clamp(std::ceil(length / spacing), 1.0, 100000.0));
}

Obstacles obstaclesOf(const std::vector<TemplateItem>& sheet, std::int32_t spacing) {
    Obstacles o;
    for (const TemplateItem& item : sheet) {
        if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
            for (const BezierSegment& s : path->segments) {
                const int steps = stepsFor(controlPolygonLength(s), spacing);
                for (int k = 0; k <= steps; ++k) {
                    const CurvePoint p = bezierPoint(s, static_cast<double>(k) / steps);
                    o.points.push_back({static_cast<std::int32_t>(std::lround(p.x)),
                                        static_cast<std::int32_t>(std::lround(p.y))});
                }
            }
        } else if (const auto* line = std::get_if<LineShape>(&item.shape)) {
            const double length = distance(line->from, line->to);
            const int steps = stepsFor(length, spacing);
            for (int k = 0; k <= steps; ++k) {
                o.points.push_back(along(line->from, line->to, static_cast<double>(k) / steps));
            }
        } else {
            o.boxes.push_back(itemBounds(item));
        }
    }
    return o;
}

bool inside(OutlinePoint p, const PixelRect& r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

class CrossPlacer {
public:
    CrossPlacer(const std::vector<TemplateItem>& sheet, const TileGeometry& tiles)
        : tiles_(tiles),
          reach_(tiles.crossArm + (tiles.penWidth + 1) / 2 + tiles.clearance),
          obstacles_(obstaclesOf(sheet, std::max(tiles.crossArm / 2, 1))) {}

    // Crosses on the line from `from` to `to` (across or down a shared strip): the first clear
    // spot from either end, or the middle where none is clear.
    void placeAlong(OutlinePoint from, OutlinePoint to) {
        const double length = distance(from, to);
        if (length < 2.0 * reach_) {
            add(along(from, to, 0.5));
            return;
        }
        const int steps = stepsFor(length - 2.0 * reach_, std::max(tiles_.crossArm, 1));
        const auto spot = [&](int k) {
            return along(from, to, (reach_ + (length - 2.0 * reach_) * k / steps) / length);
        };
        std::optional<OutlinePoint> first;
        for (int k = 0; k <= steps && !first; ++k) {
            if (clear(spot(k))) {
                first = spot(k);
            }
        }
        if (!first) {
            add(along(from, to, 0.5));
            return;
        }
        add(*first);
        for (int k = steps; k >= 0; --k) {
            if (clear(spot(k))) {
                add(spot(k));
                return;
            }
        }
    }

    std::vector<AlignmentCross> crosses;

private:
    PixelRect boxAt(OutlinePoint c) const {
        return {c.x - reach_, c.y - reach_, c.x + reach_ + 1, c.y + reach_ + 1};
    }

    bool clear(OutlinePoint c) const {
        const PixelRect box = boxAt(c);
        return std::none_of(obstacles_.points.begin(), obstacles_.points.end(),
                            [&](OutlinePoint p) { return inside(p, box); }) &&
               std::none_of(obstacles_.boxes.begin(), obstacles_.boxes.end(),
                            [&](const PixelRect& r) { return overlaps(r, box); });
    }

    void add(OutlinePoint c) {
        AlignmentCross cross;
        cross.centre = c;
        const std::int32_t arm = tiles_.crossArm;
        for (TemplateItem* item : {&cross.horizontal, &cross.vertical}) {
            item->layer = TemplateLayer::Marks;
            item->pen.widthPx = tiles_.penWidth;
        }
        cross.horizontal.shape =
            LineShape{{subtractInt32(c.x, arm), c.y}, {addInt32(c.x, arm), c.y}};
        cross.vertical.shape = LineShape{{c.x, subtractInt32(c.y, arm)}, {c.x, addInt32(c.y, arm)}};
        crosses.push_back(cross);
        obstacles_.boxes.push_back(boxAt(c));
    }

    TileGeometry tiles_;
    std::int32_t reach_;
    Obstacles obstacles_;
};

}  // namespace

TileGeometry tileGeometry(std::int32_t dpi, std::int32_t penWidth, std::int32_t clearance) {
    const auto pixels = [dpi](double mm) { return roundToInt32(mm * dpi / kMmPerInch); };
    return {pixels(kTileOverlapMm),
            pixels(kLeastTileOverlapMm),
            pixels(kShortestTileFragmentMm),
            pixels(kCrossArmMm),
            penWidth,
            clearance};
}

TileGrid tileGrid(std::int32_t sheetWidth, std::int32_t sheetHeight, const PixelRect& window,
                  const TileGeometry& tiles) {
    TileGrid grid;
    grid.windowWidth = window.right - window.left;
    grid.windowHeight = window.bottom - window.top;
    const TilesAlong across = tilesAlong(sheetWidth, grid.windowWidth, tiles);
    const TilesAlong down = tilesAlong(sheetHeight, grid.windowHeight, tiles);
    grid.columns = across.count;
    grid.stepX = across.step;
    grid.rows = down.count;
    grid.stepY = down.step;
    return grid;
}

std::vector<AlignmentCross> alignmentCrosses(const TileGrid& grid,
                                             const std::vector<TemplateItem>& sheet,
                                             const TileGeometry& tiles) {
    CrossPlacer placer(sheet, tiles);
    for (int c = 0; c + 1 < grid.columns; ++c) {
        const std::int32_t x = (c + 1) * grid.stepX + (grid.windowWidth - grid.stepX) / 2;
        for (int r = 0; r < grid.rows; ++r) {
            const std::int32_t top = r * grid.stepY;
            placer.placeAlong({x, top}, {x, top + grid.windowHeight});
        }
    }
    for (int r = 0; r + 1 < grid.rows; ++r) {
        const std::int32_t y = (r + 1) * grid.stepY + (grid.windowHeight - grid.stepY) / 2;
        for (int c = 0; c < grid.columns; ++c) {
            const std::int32_t left = c * grid.stepX;
            placer.placeAlong({left, y}, {left + grid.windowWidth, y});
        }
    }
    return placer.crosses;
}

}  // namespace kelvarin
