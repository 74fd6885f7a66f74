// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateItems.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/IntegerRounding.h"
#include "drawing/BezierCurve.h"

namespace kelvarin {

namespace {

PixelRect around(OutlinePoint p, std::int32_t reach) {
    return {subtractInt32(p.x, reach), subtractInt32(p.y, reach), addInt32(p.x, reach + 1),
            addInt32(p.y, reach + 1)};
}

// The smallest and largest value a cubic Bezier coordinate takes over t in [0, 1]: at its ends
// or where its derivative, a quadratic, is zero.
std::pair<double, double> cubicRange(double p0, double p1, double p2, double p3) {
    double low = std::min(p0, p3);
    double high = std::max(p0, p3);
    const auto at = [&](double t) { return cubicBezier(p0, p1, p2, p3, t); };
    const auto consider = [&](double t) {
        if (t > 0 && t < 1) {
            low = std::min(low, at(t));
            high = std::max(high, at(t));
        }
    };
    // The derivative over 3: a t² + b t + c.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3;
    const double b = 2 * (p0 - 2 * p1 + p2);
    const double c = p1 - p0;
    if (std::abs(a) < 1e-12) {
        if (std::abs(b) > 1e-12) {
            consider(-c / b);
        }
    } else if (const double d = b * b - 4 * a * c; d >= 0) {
        consider((-b + std::sqrt(d)) / (2 * a));
        consider((-b - std::sqrt(d)) / (2 * a));
    }
    return {low, high};
}

}  // namespace

PixelRect bezierBounds(const BezierSegment& s) {
    const auto [left, right] = cubicRange(s[0].x, s[1].x, s[2].x, s[3].x);
    const auto [top, bottom] = cubicRange(s[0].y, s[1].y, s[2].y, s[3].y);
    return {roundToInt32(std::floor(left)), roundToInt32(std::floor(top)),
            addInt32(roundToInt32(std::ceil(right)), 1),
            addInt32(roundToInt32(std::ceil(bottom)), 1)};
}

namespace {

OutlinePoint moved(OutlinePoint p, std::int32_t dx, std::int32_t dy) {
    return {addInt32(p.x, dx), addInt32(p.y, dy)};
}

PixelRect moved(const PixelRect& r, std::int32_t dx, std::int32_t dy) {
    return {addInt32(r.left, dx), addInt32(r.top, dy), addInt32(r.right, dx),
            addInt32(r.bottom, dy)};
}

}  // namespace

PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.right <= a.left || a.bottom <= a.top) {
        return b;
    }
    if (b.right <= b.left || b.bottom <= b.top) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool overlaps(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PixelRect itemBounds(const TemplateItem& item) {
    // Half the pen on either side of the stroke, rounded up.
    const std::int32_t reach = (item.pen.widthPx + 1) / 2;
    PixelRect box;
    if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
        for (const BezierSegment& segment : path->segments) {
            const PixelRect c = bezierBounds(segment);
            box = unite(box, {subtractInt32(c.left, reach), subtractInt32(c.top, reach),
                              addInt32(c.right, reach), addInt32(c.bottom, reach)});
        }
    } else if (const auto* line = std::get_if<LineShape>(&item.shape)) {
        box = unite(around(line->from, reach), around(line->to, reach));
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&item.shape)) {
        const PixelRect& b = ellipse->bounds;
        box = {subtractInt32(b.left, reach), subtractInt32(b.top, reach), addInt32(b.right, reach),
               addInt32(b.bottom, reach)};
    } else {
        box = std::get<TextShape>(item.shape).box;
    }
    return box;
}

void translateItem(TemplateItem& item, std::int32_t dx, std::int32_t dy) {
    TemplateItem out = item;
    if (auto* path = std::get_if<BezierPath>(&out.shape)) {
        for (BezierSegment& segment : path->segments) {
            for (OutlinePoint& p : segment) {
                p = moved(p, dx, dy);
            }
        }
    } else if (auto* line = std::get_if<LineShape>(&out.shape)) {
        line->from = moved(line->from, dx, dy);
        line->to = moved(line->to, dx, dy);
    } else if (auto* ellipse = std::get_if<EllipseShape>(&out.shape)) {
        ellipse->bounds = moved(ellipse->bounds, dx, dy);
    } else {
        auto& text = std::get<TextShape>(out.shape);
        text.topLeft = moved(text.topLeft, dx, dy);
        text.box = moved(text.box, dx, dy);
    }
    item = std::move(out);
}

}  // namespace kelvarin
