// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one bridge from the design record to the analysis, kept in this header alone so that the
// record's member names live in one place on this side. Header-only: kelvarin_performance itself
// never sees the core.

#include <cmath>

#include "core/BladeTables.h"
#include "core/PropellerDesign.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

namespace kelvarin::performance {

// The designed propeller: two blades, the sections of stations 3 to 11 (stations 1 and 2 are the
// hub and carry none). The design's blade angle `Alpha` and chord `BlCos` are those of the flat
// bottom line, the line the section is drawn on and turned about for the templates; the leading
// edge stands 3/10 of the thickness above it, so they are turned into the chord line's here.
inline PropellerGeometry geometryFromDesign(const PropellerDesign& design) {
    PropellerGeometry geometry;
    geometry.diameterM = design.Dv / 100.0;
    geometry.bladeCount = 2;
    const double tipRadiusM = geometry.diameterM / 2.0;
    for (int k = kFirstSection; k <= kLastSection; ++k) {
        const std::size_t i = StationIndex(k);
        BladeStation face;
        face.radiusFraction = RelRadius[i];
        face.chordFraction = tipRadiusM > 0 ? design.Stations.BlCos[i] / tipRadiusM : 0;
        face.bladeAngleDeg = design.Stations.Alpha[i];
        face.thicknessRatio = ThickRatio[i] / 100.0;
        geometry.stations.push_back(fromFlatFace(face));
    }
    return geometry;
}

// The engine and the flight speeds the design was sized for.
inline EngineAndFlight engineAndFlightFromDesign(const PropellerDesign& design) {
    return {design.Nd, design.Nv, design.Vr, design.Vm};
}

}  // namespace kelvarin::performance
