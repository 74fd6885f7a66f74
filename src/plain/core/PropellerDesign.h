// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "core/BladeAngleRule.h"
#include "core/BladeTables.h"

namespace kelvarin {

// The engine and flight figures the sizing works from, as read from their fields. Sizing by
// diameter computes the propeller speed instead; the manual mode reads none of them.
struct SizingInputs {
    double powerHp = 0;         // engine power
    double speedRpm = 0;        // propeller speed, rev/min
    double maxSpeedKmh = 0;     // maximum flight speed
    double designSpeedKmh = 0;  // design flight speed
};

// Diameter and pitch as the blade tables use them: sized (by diameter, only the pitch), or typed
// in the manual mode, always as their fields show them.
struct SizingResult {
    double diameterCm = 0;
    double pitchM = 0;
};

// Per-station results, station k at index k - 1.
struct StationTable {
    std::array<double, kStationCount> bladeWidthM{};    // blade width
    std::array<double, kStationCount> bladeAngleDeg{};  // blade angle to the plane of rotation
    std::array<double, kStationCount> chordM{};         // section chord, width / cos(angle)
    std::array<double, kStationCount> axialDepthM{};    // width · tan(angle), along the axis
};

// One blade section, 13 points from the leading edge to the trailing edge.
struct SectionProfile {
    std::array<double, kProfilePointCount> xMm{};      // along the chord from the leading edge
    std::array<double, kProfilePointCount> upperMm{};  // upper surface above the bottom line
    std::array<double, kProfilePointCount> lowerMm{};  // lower surface above the bottom line
};

// The one design record. It starts zero-filled and every step of the calculation overwrites
// only the members it owns, so that what a step wrote before a failure stays.
struct PropellerDesign {
    SizingInputs inputs;
    SizingResult sizing;
    BladeAngles angles;      // chosen by the user; the run keeps it
    double helixPitchM = 0;  // the helix the station angles follow, as the rule gave it
    StationTable stations;
    std::array<SectionProfile, kStationCount> profiles{};  // stations 1 and 2 stay zero
};

}  // namespace kelvarin
