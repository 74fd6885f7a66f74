// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateOverview.h"

#include <algorithm>
#include <cmath>

#include "core/IntegerRounding.h"
#include "core/Translation.h"
#include "templates/TemplateText.h"

namespace kelvarin {

namespace {

// One template on the overview, and where it goes at the scale last arranged.
struct Group {
    const OverviewEntry* entry = nullptr;
    TemplateItem label;
    PixelRect box;    // the figure and its tiles, at true size
    OutlinePoint at;  // the label's top-left corner on the overview
};

// Counted in 64 bits: a template's box may span most of the 32-bit range before it is scaled.
std::int64_t scaled(std::int64_t v, double scale) {
    return static_cast<std::int64_t>(std::ceil(static_cast<double>(v) * scale));
}

// Sets each group's place at the scale, in rows left to right; false where they overflow
// the area.
bool arrange(std::vector<Group>& groups, const PixelRect& area, double scale,
             const TemplateMetrics& m) {
    const std::int32_t gap = 2 * m.captionGap;
    // Sums in 64 bits: a group too large for the area is refused, not wrapped round into it.
    std::int64_t x = area.left;
    std::int64_t y = area.top;
    std::int64_t rowHeight = 0;
    for (Group& g : groups) {
        const PixelRect& label = std::get<TextShape>(g.label.shape).box;
        const std::int64_t width = std::max(std::int64_t{label.right} - label.left,
                                            scaled(std::int64_t{g.box.right} - g.box.left, scale));
        const std::int64_t height = std::int64_t{label.bottom} - label.top + m.captionGap +
                                    scaled(std::int64_t{g.box.bottom} - g.box.top, scale);
        if (x > area.left && x + width > area.right) {
            x = area.left;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (x + width > area.right || y + height > area.bottom) {
            return false;
        }
        g.at = {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};  // within the area
        x += width + gap;
        rowHeight = std::max(rowHeight, height);
    }
    return true;
}

void drawGroup(TemplatePage& page, const Group& g, double scale, const TemplateMetrics& m,
               int& nextElement) {
    // Name, figure and tiles are one element: they belong together.
    const int element = nextElement++;
    TemplateItem label = g.label;
    translateItem(label, g.at.x, g.at.y);
    label.element = element;
    const PixelRect labelBox = std::get<TextShape>(label.shape).box;
    page.items.push_back(std::move(label));
    // The figure's box starts below the label.
    const std::int32_t left = g.at.x;
    const std::int32_t top = labelBox.bottom + m.captionGap;
    const auto map = [&](OutlinePoint q) {
        return OutlinePoint{
            left + static_cast<std::int32_t>(std::lround((q.x - g.box.left) * scale)),
            top + static_cast<std::int32_t>(std::lround((q.y - g.box.top) * scale))};
    };
    // Each item is made in its place with its shape's own alternative: GCC 12 at -O3 takes a
    // variant moved in whole for one read uninitialised.
    const auto add = [&]<typename Shape>(TemplateLayer layer, Shape shape, PenStyle style) {
        TemplateItem& item = page.items.emplace_back();
        item.layer = layer;
        item.pen = {m.pens.outlineWidth, kBlack, style};
        item.shape.emplace<Shape>(std::move(shape));
        item.element = element;
    };
    // The strokes only: marks and station numbers would be specks at this scale.
    for (const TemplateItem& item : g.entry->items) {
        if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
            BezierPath small;
            for (const BezierSegment& segment : path->segments) {
                small.segments.push_back(
                    {map(segment[0]), map(segment[1]), map(segment[2]), map(segment[3])});
            }
            add(item.layer, std::move(small), item.pen.style);
        } else if (const auto* line = std::get_if<LineShape>(&item.shape)) {
            add(item.layer, LineShape{map(line->from), map(line->to)}, item.pen.style);
        }
    }
    if (!g.entry->tiles) {
        return;
    }
    const TileGrid& t = *g.entry->tiles;
    for (int r = 0; r < t.rows; ++r) {
        for (int c = 0; c < t.columns; ++c) {
            const OutlinePoint a = map({c * t.stepX, r * t.stepY});
            const OutlinePoint b = map({c * t.stepX + t.windowWidth, r * t.stepY + t.windowHeight});
            const OutlinePoint corners[] = {a, {b.x, a.y}, b, {a.x, b.y}, a};
            for (int k = 0; k < 4; ++k) {
                add(TemplateLayer::Marks, LineShape{corners[k], corners[k + 1]}, PenStyle::Dotted);
            }
            // The tile's number in its corner: the last column's and row's in the far one,
            // so that tiles sharing most of their window keep their numbers apart.
            const std::string number = std::to_string(r * t.columns + c + 1);
            const TextSize size = textSize(number, kSmallestTextPoints, m.dpi);
            const bool lastColumn = c + 1 == t.columns;
            const bool lastRow = r + 1 == t.rows;
            const std::int32_t roomX = lastColumn ? b.x - a.x : map({(c + 1) * t.stepX, 0}).x - a.x;
            const std::int32_t roomY = lastRow ? b.y - a.y : map({0, (r + 1) * t.stepY}).y - a.y;
            if (size.width + 2 * m.clearance <= roomX && size.height + 2 * m.clearance <= roomY) {
                const OutlinePoint at{
                    lastColumn && c > 0 ? b.x - m.clearance - size.width : a.x + m.clearance,
                    lastRow && r > 0 ? b.y - m.clearance - size.height : a.y + m.clearance};
                TemplateItem text = textItem(number, at, kSmallestTextPoints, m.dpi);
                text.element = element;
                page.items.push_back(std::move(text));
            }
        }
    }
}

}  // namespace

std::optional<TemplatePage> overviewPage(const std::vector<OverviewEntry>& entries, int totalPages,
                                         const TemplateMetrics& m, const PixelRect& area,
                                         int& nextElement) {
    std::vector<Group> groups;
    for (const OverviewEntry& e : entries) {
        const int last = e.firstPage + e.pages - 1;
        const std::string pages =
            e.pages == 1 ? withArguments(translatedText("kelvarin::TemplateLayout", "стр. %1"),
                                         {std::to_string(e.firstPage)})
                         : withArguments(translatedText("kelvarin::TemplateLayout", "стр. %1–%2"),
                                         {std::to_string(e.firstPage), std::to_string(last)});
        Group g;
        g.entry = &e;
        g.label = textItem(e.name + ", " + pages, {0, 0}, kSmallestTextPoints, m.dpi);
        g.box = e.box;
        if (e.tiles) {
            g.box =
                unite(g.box, {0, 0, (e.tiles->columns - 1) * e.tiles->stepX + e.tiles->windowWidth,
                              (e.tiles->rows - 1) * e.tiles->stepY + e.tiles->windowHeight});
        }
        groups.push_back(std::move(g));
    }
    // The largest scale whose rows fit, found by halving: the rows only grow with it.
    double scale = 1;
    if (!arrange(groups, area, scale, m)) {
        double low = 0;
        double high = 1;
        for (int step = 0; step < 40; ++step) {
            const double middle = (low + high) / 2;
            (arrange(groups, area, middle, m) ? low : high) = middle;
        }
        if (low <= 0 || !arrange(groups, area, low, m)) {
            return std::nullopt;  // not even the names fit: no overview rather than a crowded one
        }
        scale = low;
    }

    TemplatePage overview;
    const std::string title = withArguments(
        translatedText("kelvarin::TemplateLayout", "Обзор шаблонов; страниц в задании: %1"),
        {std::to_string(totalPages)});
    const std::int32_t captionLeft = m.captionLeft;
    const int points = std::max(fittingPoints(title, subtractInt32(area.right, captionLeft),
                                              subtractInt32(area.top, m.captionGap), m.dpi),
                                kSmallestTextPoints);
    TemplateItem heading =
        textItem(title,
                 {captionLeft,
                  subtractInt32(area.top, m.captionGap + textSize(title, points, m.dpi).height)},
                 points, m.dpi);
    heading.element = nextElement++;
    overview.items.push_back(std::move(heading));
    for (const Group& g : groups) {
        drawGroup(overview, g, scale, m, nextElement);
    }
    return overview;
}

}  // namespace kelvarin
