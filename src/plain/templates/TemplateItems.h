// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/Printer.h"

// The template pages as a plain description: what is drawn where, in the device pixels of one
// resolution, with the origin at the top-left corner of a page's printable area. The printer
// draws it through a Canvas; the exporters write it as PDF, SVG or DXF.
namespace kelvarin {

// What an item is, for a writer that keeps kinds apart (the layers of a DXF drawing).
enum class TemplateLayer {
    Outline,         // section outlines and the outlines of the planform and side view
    ReferenceLines,  // width and drop lines, stations, blade axis
    CutLine,         // dotted cut lines
    Marks,           // control marks, alignment crosses, calibration bars
    Text,            // captions, scissors marks, labels
};

struct TemplatePen {
    std::int32_t widthPx = 1;
    Rgb color = kBlack;
    PenStyle style = PenStyle::Solid;
};

// Cubic Bezier pieces, each starting where the one before ended.
struct BezierPath {
    std::vector<BezierSegment> segments;
};
struct LineShape {
    OutlinePoint from;
    OutlinePoint to;
};
// Filled white, like the canvas's brush.
struct EllipseShape {
    PixelRect bounds;
};
// Black text in the templates' face (TemplateText.h) with its top-left corner at topLeft; box
// is the room its lines take.
struct TextShape {
    OutlinePoint topLeft;
    std::string text;
    int fontPoints = 8;
    PixelRect box;
};

using TemplateShape = std::variant<BezierPath, LineShape, EllipseShape, TextShape>;

struct TemplateItem {
    TemplateLayer layer = TemplateLayer::Outline;
    TemplatePen pen;
    TemplateShape shape;
    // Items of one element (a caption, a section with its marks and reference lines, a cut line,
    // a scissors mark, a cross, ...) share a number, unique in the document; elements keep
    // clear of each other.
    int element = 0;
    // On a tile: the window of the page that shows its part of the sheet.
    std::optional<PixelRect> clip;
};

struct TemplatePage {
    std::vector<TemplateItem> items;
};

// The room an item takes on its page, its pen included; text, its box. Not clipped.
PixelRect itemBounds(const TemplateItem& item);

// The pixels a Bezier piece's centre line passes through, exactly (its extremes, not its hull).
PixelRect bezierBounds(const BezierSegment& segment);

// The smallest rectangle holding both; an empty one (right <= left) holds nothing.
PixelRect unite(const PixelRect& a, const PixelRect& b);
bool overlaps(const PixelRect& a, const PixelRect& b);

// Moves the item by dx across and dy down; throws ArithmeticError on overflow.
void translateItem(TemplateItem& item, std::int32_t dx, std::int32_t dy);

}  // namespace kelvarin
