// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateFigures.h"

#include <string>

#include "core/IntegerRounding.h"
#include "drawing/DeviceUnits.h"
#include "templates/TemplateText.h"

namespace kelvarin {

namespace {

TemplateItem lineItem(TemplateLayer layer, OutlinePoint from, OutlinePoint to, std::int32_t pen) {
    TemplateItem item;
    item.layer = layer;
    item.pen.widthPx = pen;
    item.shape = LineShape{from, to};
    return item;
}

void measure(TemplateFigure& f) {
    f.box = {};
    for (const TemplateItem& item : f.items) {
        f.box = unite(f.box, itemBounds(item));
    }
}

}  // namespace

TemplateFigure sectionFigure(const SectionPolyline& o, double bladeWidthM, const TemplateMetrics& m,
                             const SectionOptions& options) {
    TemplateFigure f;
    TemplateItem outline;
    outline.layer = TemplateLayer::Outline;
    outline.pen.widthPx = m.pens.outlineWidth;
    const auto segments = outlineSegments(o);
    outline.shape = BezierPath{{segments.begin(), segments.end()}};
    f.items.push_back(outline);
    if (options.controlMarks) {
        for (const OutlinePoint& point : o) {
            TemplateItem mark;
            mark.layer = TemplateLayer::Marks;
            mark.pen = {m.pens.markWidth, kPureRed, PenStyle::Solid};
            mark.shape = EllipseShape{controlMarkRect(point, m.pens)};
            f.items.push_back(mark);
        }
    }
    f.bottom = o[0].y;
    if (options.turned) {
        const double pixelsPerMetre = m.dpi * kTenthsPerMetre / kTenthsPerInch;
        const std::int32_t x = subtractInt32(o[0].x, roundToInt32(pixelsPerMetre * bladeWidthM));
        f.referenceX = x;
        f.items.push_back(
            lineItem(TemplateLayer::ReferenceLines, o[0], {x, o[0].y}, m.pens.outlineWidth));
        f.items.push_back(lineItem(TemplateLayer::ReferenceLines, {x, o[0].y}, {x, o[12].y},
                                   m.pens.outlineWidth));
    }
    measure(f);
    return f;
}

TemplateFigure bladeFigure(const BladeView& view, const TemplateMetrics& m) {
    TemplateFigure f;
    const std::size_t count = view.stations.size();
    if (count < 2) {
        return f;
    }
    std::vector<OutlinePoint> left;
    std::vector<OutlinePoint> right;
    for (std::size_t i = 0; i < count; ++i) {
        left.push_back({view.left[i], view.radius[i]});
        right.push_back({view.right[i], view.radius[i]});
    }
    // Round the outline: down the left edge, across the tip, up the right edge, across the hub.
    TemplateItem outline;
    outline.layer = TemplateLayer::Outline;
    outline.pen.widthPx = m.pens.outlineWidth;
    BezierPath path;
    path.segments = smoothCurve(left);
    path.segments.push_back(straightPiece(left.back(), right.back()));
    const std::vector<OutlinePoint> upward(right.rbegin(), right.rend());
    for (const BezierSegment& s : smoothCurve(upward)) {
        path.segments.push_back(s);
    }
    path.segments.push_back(straightPiece(right.front(), left.front()));
    outline.shape = std::move(path);
    f.items.push_back(outline);

    // Each station: its line across the blade and its number left of it.
    std::int32_t numberWidth = 0;
    for (int station : view.stations) {
        numberWidth = std::max(numberWidth,
                               textSize(std::to_string(station), kLargestTextPoints, m.dpi).width);
    }
    // A caption's distance from the outline's ink, where its curve swings furthest left.
    std::int32_t leftmost = left.front().x;
    for (const BezierSegment& s : std::get<BezierPath>(outline.shape).segments) {
        leftmost = std::min(leftmost, bezierBounds(s).left);
    }
    const std::int32_t numbersRight =
        subtractInt32(leftmost, m.captionGap + (m.pens.outlineWidth + 1) / 2 + 1);
    for (std::size_t i = 0; i < count; ++i) {
        f.items.push_back(
            lineItem(TemplateLayer::ReferenceLines, left[i], right[i], m.pens.outlineWidth));
        const std::string number = std::to_string(view.stations[i]);
        const TextSize size = textSize(number, kLargestTextPoints, m.dpi);
        f.items.push_back(textItem(
            number,
            {subtractInt32(numbersRight, size.width), subtractInt32(left[i].y, size.height / 2)},
            kLargestTextPoints, m.dpi));
    }
    measure(f);
    // The figure starts at X = 0, as a section's leading edge does.
    translateFigure(f, -f.box.left, 0);
    f.bottom = f.box.bottom;
    return f;
}

void translateFigure(TemplateFigure& f, std::int32_t dx, std::int32_t dy) {
    for (TemplateItem& item : f.items) {
        translateItem(item, dx, dy);
    }
    f.box = {addInt32(f.box.left, dx), addInt32(f.box.top, dy), addInt32(f.box.right, dx),
             addInt32(f.box.bottom, dy)};
    f.bottom = addInt32(f.bottom, dy);
    if (f.referenceX) {
        f.referenceX = addInt32(*f.referenceX, dx);
    }
}

}  // namespace kelvarin
