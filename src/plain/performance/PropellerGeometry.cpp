// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropellerGeometry.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

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
        return withArguments(
            translatedText("kelvarin::PropellerGeometry",
                           "относительный радиус должен быть больше 0 и не больше 1, задано: %1."),
            {russianNumber(s.radiusFraction, 4)});
    }
    if (s.radiusFraction <= previous) {
        return withArguments(translatedText("kelvarin::PropellerGeometry",
                                            "относительный радиус %1 не больше, чем у предыдущей "
                                            "станции (%2); станции идут от комля к концу лопасти."),
                             {russianNumber(s.radiusFraction, 4), russianNumber(previous, 4)});
    }
    if (!within(s.chordFraction, 0.0, kMaxChordFraction)) {
        return withArguments(
            translatedText(
                "kelvarin::PropellerGeometry",
                "относительная хорда (доля радиуса) должна быть от 0 до %1, задано: %2."),
            {russianNumber(kMaxChordFraction, 1), russianNumber(s.chordFraction, 4)});
    }
    if (!within(s.bladeAngleDeg, kMinBladeAngleDeg, kMaxBladeAngleDeg)) {
        return withArguments(
            translatedText("kelvarin::PropellerGeometry",
                           "угол установки должен быть от %1 до %2°, задано: %3°."),
            {russianNumber(kMinBladeAngleDeg, 0), russianNumber(kMaxBladeAngleDeg, 0),
             russianNumber(s.bladeAngleDeg, 2)});
    }
    if (!within(s.thicknessRatio, kMinThicknessRatio, kMaxThicknessRatio)) {
        return withArguments(
            translatedText("kelvarin::PropellerGeometry",
                           "относительная толщина должна быть от %1 до %2 (доля "
                           "хорды: 0,12 — это 12 %), задано: %3."),
            {russianNumber(kMinThicknessRatio, 2), russianNumber(kMaxThicknessRatio, 1),
             russianNumber(s.thicknessRatio, 4)});
    }
    if (s.camberRatio && !within(*s.camberRatio, 0.0, kMaxCamberRatio)) {
        return withArguments(translatedText("kelvarin::PropellerGeometry",
                                            "относительная кривизна (доля хорды) должна быть от 0 "
                                            "до %1 (0,04 — это 4 %), задано: %2."),
                             {russianNumber(kMaxCamberRatio, 1), russianNumber(*s.camberRatio, 4)});
    }
    return {};
}

void validateGeometry(const PropellerGeometry& geometry) {
    if (!within(geometry.diameterM, kMinDiameterM, kMaxDiameterM)) {
        throw PerformanceError(
            withArguments(translatedText("kelvarin::PropellerGeometry",
                                         "Диаметр винта должен быть от %1 до %2 м, задано: %3 м."),
                          {russianNumber(kMinDiameterM, 2), russianNumber(kMaxDiameterM, 0),
                           russianNumber(geometry.diameterM, 3)}));
    }
    if (geometry.bladeCount < kMinBladeCount || geometry.bladeCount > kMaxBladeCount) {
        throw PerformanceError(
            withArguments(translatedText("kelvarin::PropellerGeometry",
                                         "Число лопастей должно быть от %1 до %2, задано: %3."),
                          {std::to_string(kMinBladeCount), std::to_string(kMaxBladeCount),
                           std::to_string(geometry.bladeCount)}));
    }
    if (geometry.stations.size() < 2) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PropellerGeometry",
                           "Для расчета нужны хотя бы две станции лопасти (от комля к концу), "
                           "задано: %1."),
            {std::to_string(geometry.stations.size())}));
    }
    double previous = 0;
    for (std::size_t i = 0; i < geometry.stations.size(); ++i) {
        const std::string fault = stationFault(geometry.stations[i], previous);
        if (!fault.empty()) {
            throw PerformanceError(
                withArguments(translatedText("kelvarin::PropellerGeometry", "Станция %1: %2"),
                              {std::to_string(i + 1), fault}));
        }
        previous = geometry.stations[i].radiusFraction;
    }
    const BladeStation& tip = geometry.stations.back();
    if (tip.radiusFraction < 0.5) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PropellerGeometry",
                           "Последняя станция лопасти должна лежать у конца лопасти (относительный "
                           "радиус не меньше 0,5), задано: %1."),
            {russianNumber(tip.radiusFraction, 4)}));
    }
}

}  // namespace kelvarin
