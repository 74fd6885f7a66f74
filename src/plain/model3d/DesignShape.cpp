// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/DesignShape.h"

#include "core/BladeTables.h"

namespace kelvarin {

namespace {

constexpr double kMmPerCm = 10.0;
constexpr double kMmPerM = 1000.0;

}  // namespace

// The one place that knows the design record's member names: a rename there is mended here.
PropellerShape shapeFromDesign(const PropellerDesign& design) {
    const double diameterMm = design.sizing.diameterCm * kMmPerCm;
    const StationTable& s = design.stations;
    auto radiusMm = [&](int station) {
        return kRelativeRadius[stationIndex(station)] * diameterMm / 2;
    };

    PropellerShape shape;
    shape.diameterMm = diameterMm;
    for (int station = kFirstStation; station < kFirstSection; ++station) {
        const std::size_t i = stationIndex(station);
        shape.hub[i] = {radiusMm(station), s.bladeWidthM[i] * kMmPerM};
    }
    for (int station = kFirstSection; station <= kLastSection; ++station) {
        const std::size_t i = stationIndex(station);
        BladeSection& section = shape.sections[sectionIndex(station)];
        section.radiusMm = radiusMm(station);
        section.bladeAngleDeg = s.bladeAngleDeg[i];
        section.widthMm = s.bladeWidthM[i] * kMmPerM;
        section.depthMm = s.axialDepthM[i] * kMmPerM;
        section.profile = {design.profiles[i].xMm, design.profiles[i].upperMm,
                           design.profiles[i].lowerMm};
    }
    return shape;
}

}  // namespace kelvarin
