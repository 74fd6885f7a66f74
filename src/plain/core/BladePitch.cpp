// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladePitch.h"

#include <cmath>
#include <numbers>

namespace kelvarin {

namespace {

constexpr double kQuotedRadius = 0.75;  // of the tip radius
constexpr std::size_t kInnerIndex = 7;  // station 8, at 0.7
constexpr std::size_t kOuterIndex = 8;  // station 9, at 0.8

}  // namespace

double stationPitchM(const PropellerDesign& design, std::size_t stationIndex) {
    const double radiusM = kRelativeRadius[stationIndex] * design.sizing.diameterCm / 200.0;
    const double angle = design.stations.bladeAngleDeg[stationIndex] * std::numbers::pi / 180.0;
    return 2.0 * std::numbers::pi * radiusM * std::tan(angle);
}

double bladePitchM(const PropellerDesign& design) {
    const double inner = stationPitchM(design, kInnerIndex);
    const double outer = stationPitchM(design, kOuterIndex);
    const double t = (kQuotedRadius - kRelativeRadius[kInnerIndex]) /
                     (kRelativeRadius[kOuterIndex] - kRelativeRadius[kInnerIndex]);
    return inner + t * (outer - inner);
}

}  // namespace kelvarin
