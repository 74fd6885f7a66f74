// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/BladeViews.h"

#include <algorithm>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "drawing/DeviceUnits.h"
#include "drawing/SectionOutline.h"
#include "templates/TemplateItems.h"

namespace kelvarin {

namespace {

constexpr int kPlanformFirstStation = 2;

// Pixels per metre at a resolution.
double pixelsPerMetre(std::int32_t dpi) {
    return dpi * kTenthsPerMetre / kTenthsPerInch;
}

std::int32_t radiusPixels(const PropellerDesign& design, int station, std::int32_t dpi) {
    const double radiusM = kRelativeRadius[stationIndex(station)] * design.sizing.diameterCm / 200;
    return roundToInt32(radiusM * pixelsPerMetre(dpi));
}

void addStation(BladeView& view, const PropellerDesign& design, int station, std::int32_t dpi,
                std::int32_t left, std::int32_t right) {
    if (view.stations.empty()) {
        view.hubRadius = radiusPixels(design, station, dpi);
    }
    view.stations.push_back(station);
    view.radius.push_back(subtractInt32(radiusPixels(design, station, dpi), view.hubRadius));
    view.left.push_back(left);
    view.right.push_back(right);
}

// The rows the drawn outline's centre line passes through, first and last.
std::pair<std::int32_t, std::int32_t> drawnExtentY(const SectionPolyline& outline) {
    std::int32_t low = outline[0].y;
    std::int32_t high = outline[0].y;
    for (const BezierSegment& s : outlineSegments(outline)) {
        const PixelRect box = bezierBounds(s);
        low = std::min(low, box.top);
        high = std::max(high, box.bottom - 1);
    }
    return {low, high};
}

}  // namespace

BladeView planformView(const PropellerDesign& design, std::int32_t dpi) {
    BladeView view;
    for (int k = kPlanformFirstStation; k <= kLastStation; ++k) {
        addStation(
            view, design, k, dpi, 0,
            roundToInt32(design.stations.bladeWidthM[stationIndex(k)] * pixelsPerMetre(dpi)));
    }
    return view;
}

BladeView sideView(const PropellerDesign& design, std::int32_t dpi) {
    const SectionOutlines turned = buildSectionOutlines(design, dpi, true);
    const double g = dpi / kTenthsPerInch;
    BladeView view;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        // The leading end of the chord line stays where the flat section's highest point puts it.
        const std::int32_t chordY =
            roundToInt32(workOutline(design.profiles[stationIndex(n)])[7].y * g);
        const auto [low, high] = drawnExtentY(turned.section(n));
        addStation(view, design, n, dpi, subtractInt32(low, chordY), subtractInt32(high, chordY));
    }
    return view;
}

BezierSegment straightPiece(OutlinePoint a, OutlinePoint b) {
    const auto third = [&](int k) {
        return OutlinePoint{roundToInt32(a.x + (static_cast<double>(b.x) - a.x) * k / 3),
                            roundToInt32(a.y + (static_cast<double>(b.y) - a.y) * k / 3)};
    };
    return {a, third(1), third(2), b};
}

std::vector<BezierSegment> smoothCurve(const std::vector<OutlinePoint>& points) {
    std::vector<BezierSegment> curve;
    const auto at = [&](std::ptrdiff_t i) {
        const auto last = static_cast<std::ptrdiff_t>(points.size()) - 1;
        return points[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, last))];
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const auto j = static_cast<std::ptrdiff_t>(i);
        const OutlinePoint before = at(j - 1);
        const OutlinePoint from = at(j);
        const OutlinePoint to = at(j + 1);
        const OutlinePoint after = at(j + 2);
        const auto control = [](OutlinePoint p, OutlinePoint a, OutlinePoint b, double sign) {
            return OutlinePoint{roundToInt32(p.x + sign * (static_cast<double>(b.x) - a.x) / 6),
                                roundToInt32(p.y + sign * (static_cast<double>(b.y) - a.y) / 6)};
        };
        curve.push_back({from, control(from, before, to, 1), control(to, from, after, -1), to});
    }
    return curve;
}

}  // namespace kelvarin
