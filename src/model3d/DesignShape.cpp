// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/DesignShape.h"

#include "core/BladeTables.h"

namespace kelvarin::model3d {

namespace {

constexpr double kMmPerCm = 10.0;
constexpr double kMmPerM = 1000.0;

}  // namespace

// The one place that knows the design record's member names: a rename there is mended here.
PropellerShape shapeFromDesign(const PropellerDesign& design) {
    const double diameterMm = design.Dv * kMmPerCm;
    const StationTable& s = design.Stations;
    auto radiusMm = [&](int station) { return RelRadius[StationIndex(station)] * diameterMm / 2; };

    PropellerShape shape;
    shape.diameterMm = diameterMm;
    for (int station = kFirstStation; station < kFirstSection; ++station) {
        const std::size_t i = StationIndex(station);
        shape.hub[i] = {radiusMm(station), s.Bl[i] * kMmPerM};
    }
    for (int station = kFirstSection; station <= kLastSection; ++station) {
        const std::size_t i = StationIndex(station);
        BladeSection& section = shape.sections[SectionIndex(station)];
        section.radiusMm = radiusMm(station);
        section.bladeAngleDeg = s.Alpha[i];
        section.widthMm = s.Bl[i] * kMmPerM;
        section.depthMm = s.Hc[i] * kMmPerM;
        section.profile = {design.Profiles[i].X, design.Profiles[i].Yv, design.Profiles[i].Yn};
    }
    return shape;
}

}  // namespace kelvarin::model3d
