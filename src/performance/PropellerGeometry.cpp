// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropellerGeometry.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"

namespace kelvarin::performance {

BladeStation fromFlatFace(const BladeStation& faceStation) {
    const double rise = kLeadingEdgeHeightPerThickness * faceStation.thicknessRatio;
    BladeStation chord = faceStation;
    chord.bladeAngleDeg = faceStation.bladeAngleDeg + std::atan(rise) * 180.0 / kPi;
    chord.chordFraction = faceStation.chordFraction * std::hypot(1.0, rise);
    if (!chord.camberRatio) {
        chord.camberRatio = kFlatBottomCamberPerThickness * faceStation.thicknessRatio;
    }
    return chord;
}

double camberOf(const BladeStation& station) {
    if (station.camberRatio) {
        return *station.camberRatio;
    }
    return std::max(kFlatBottomCamberPerThickness * station.thicknessRatio,
                    kLeastDefaultCamberRatio);
}

namespace {

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

std::string stationFault(const BladeStation& s, double previous) {
    if (!within(s.radiusFraction, 0.0, 1.0) || s.radiusFraction <= 0) {
        return "относительный радиус должен быть больше 0 и не больше 1, задано: " +
               russianNumber(s.radiusFraction, 4) + ".";
    }
    if (s.radiusFraction <= previous) {
        return "относительный радиус " + russianNumber(s.radiusFraction, 4) +
               " не больше, чем у предыдущей станции (" + russianNumber(previous, 4) +
               "); станции идут от комля к концу лопасти.";
    }
    if (!within(s.chordFraction, 0.0, kMaxChordFraction)) {
        return "относительная хорда (доля радиуса) должна быть от 0 до " +
               russianNumber(kMaxChordFraction, 1) +
               ", задано: " + russianNumber(s.chordFraction, 4) + ".";
    }
    if (!within(s.bladeAngleDeg, kMinBladeAngleDeg, kMaxBladeAngleDeg)) {
        return "угол установки должен быть от " + russianNumber(kMinBladeAngleDeg, 0) + " до " +
               russianNumber(kMaxBladeAngleDeg, 0) +
               "°, задано: " + russianNumber(s.bladeAngleDeg, 2) + "°.";
    }
    if (!within(s.thicknessRatio, kMinThicknessRatio, kMaxThicknessRatio)) {
        return "относительная толщина должна быть от " + russianNumber(kMinThicknessRatio, 2) +
               " до " + russianNumber(kMaxThicknessRatio, 1) +
               " (доля хорды: 0,12 — это 12 %), задано: " + russianNumber(s.thicknessRatio, 4) +
               ".";
    }
    if (s.camberRatio && !within(*s.camberRatio, 0.0, kMaxCamberRatio)) {
        return "относительная кривизна (доля хорды) должна быть от 0 до " +
               russianNumber(kMaxCamberRatio, 1) +
               " (0,04 — это 4 %), задано: " + russianNumber(*s.camberRatio, 4) + ".";
    }
    return {};
}

void validateGeometry(const PropellerGeometry& geometry) {
    if (!within(geometry.diameterM, kMinDiameterM, kMaxDiameterM)) {
        throw PerformanceError("Диаметр винта должен быть от " + russianNumber(kMinDiameterM, 2) +
                               " до " + russianNumber(kMaxDiameterM, 0) +
                               " м, задано: " + russianNumber(geometry.diameterM, 3) + " м.");
    }
    if (geometry.bladeCount < kMinBladeCount || geometry.bladeCount > kMaxBladeCount) {
        throw PerformanceError("Число лопастей должно быть от " + std::to_string(kMinBladeCount) +
                               " до " + std::to_string(kMaxBladeCount) +
                               ", задано: " + std::to_string(geometry.bladeCount) + ".");
    }
    if (geometry.stations.size() < 2) {
        throw PerformanceError(
            "Для расчета нужны хотя бы две станции лопасти (от комля к концу), задано: " +
            std::to_string(geometry.stations.size()) + ".");
    }
    double previous = 0;
    for (std::size_t i = 0; i < geometry.stations.size(); ++i) {
        const std::string fault = stationFault(geometry.stations[i], previous);
        if (!fault.empty()) {
            throw PerformanceError("Станция " + std::to_string(i + 1) + ": " + fault);
        }
        previous = geometry.stations[i].radiusFraction;
    }
    const BladeStation& tip = geometry.stations.back();
    if (tip.radiusFraction < 0.5) {
        throw PerformanceError(
            "Последняя станция лопасти должна лежать у конца лопасти (относительный радиус "
            "не меньше 0,5), задано: " +
            russianNumber(tip.radiusFraction, 4) + ".");
    }
}

}  // namespace kelvarin::performance
