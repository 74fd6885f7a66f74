// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/SectionCurves.h"

#include "core/IntegerRounding.h"
#include "drawing/OutlineDrawing.h"

namespace kelvarin::model3d {

namespace {

// The drawing works in whole device units; a micrometre is far below anything a template or a
// machine shows, and a 3.6 m chord still fits 32 bits.
constexpr double kUnitsPerMm = 1000.0;

// The drawing's Y runs down the page, and the bend of every piece depends on that sense, so
// heights go in negated and come back negated.
OutlinePoint toDrawing(double u, double v) {
    return {roundToInt32(u * kUnitsPerMm), roundToInt32(-v * kUnitsPerMm)};
}

SectionPoint fromDrawing(OutlinePoint p) {
    return {p.x / kUnitsPerMm, -p.y / kUnitsPerMm};
}

}  // namespace

std::array<SectionBezier, kSectionCurveCount> sectionCurves(const SectionProfileMm& profile) {
    // Point order as the templates have it: upper surface from the trailing edge to the leading
    // edge, then the lower surface back to the trailing edge.
    SectionPolyline outline{};
    for (std::size_t m = 0; m <= 12; ++m) {
        outline[m] = toDrawing(profile.chordMm[12 - m], profile.upperMm[12 - m]);
    }
    for (std::size_t m = 0; m <= 11; ++m) {
        outline[13 + m] = toDrawing(profile.chordMm[1 + m], profile.lowerMm[1 + m]);
    }

    const auto segments = outlineSegments(outline);
    std::array<SectionBezier, kSectionCurveCount> curves{};
    for (std::size_t i = 0; i < kSectionCurveCount; ++i) {
        for (std::size_t k = 0; k < 4; ++k) {
            curves[i][k] = fromDrawing(segments[i][k]);
        }
    }
    return curves;
}

}  // namespace kelvarin::model3d
