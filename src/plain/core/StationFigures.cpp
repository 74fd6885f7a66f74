// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StationFigures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvarin {

namespace {

constexpr double kCentimetresPerMetre = 100;

double thickestMm(const SectionProfile& profile) {
    double thickest = 0;
    for (std::size_t j = 0; j < kProfilePointCount; ++j) {
        thickest = std::max(thickest, profile.upperMm[j] - profile.lowerMm[j]);
    }
    return thickest;
}

}  // namespace

std::array<StationFigures, kStationCount> stationFigures(const PropellerDesign& design) {
    std::array<StationFigures, kStationCount> figures{};
    for (int k = kFirstStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        const StationTable& s = design.stations;
        StationFigures& f = figures[i];
        f.station = k;
        f.radiusCm = kRelativeRadius[i] * design.sizing.diameterCm / 2;
        f.bladeWidthCm = s.bladeWidthM[i] * kCentimetresPerMetre;
        f.bladeAngleDeg = s.bladeAngleDeg[i];
        f.chordCm = s.chordM[i] * kCentimetresPerMetre;
        f.axialDepthCm = s.axialDepthM[i] * kCentimetresPerMetre;
        if (k >= kFirstSection) {
            f.thicknessMm = thickestMm(design.profiles[i]);
        }
        f.geometricPitchM = 2 * std::numbers::pi * f.radiusCm / kCentimetresPerMetre *
                            std::tan(s.bladeAngleDeg[i] * std::numbers::pi / 180);
    }
    return figures;
}

}  // namespace kelvarin
