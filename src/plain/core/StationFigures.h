// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "core/PropellerDesign.h"

namespace kelvarin {

// One station as a builder measures it on the blade.
struct StationFigures {
    int station = 0;
    double radiusCm = 0;
    double bladeWidthCm = 0;
    double bladeAngleDeg = 0;
    double chordCm = 0;
    double axialDepthCm = 0;
    std::optional<double> thicknessMm;  // the section's thickest point; the hub has none
    double geometricPitchM = 0;         // 2 pi r tan(angle): the helix the station follows
};

std::array<StationFigures, kStationCount> stationFigures(const PropellerDesign& design);

}  // namespace kelvarin
