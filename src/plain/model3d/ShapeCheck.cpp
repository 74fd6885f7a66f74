// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ShapeCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/MessageText.h"
#include "core/Translation.h"
#include "model3d/ModelError.h"

namespace kelvarin {

namespace {

constexpr int kFirstHubStation = 1;
constexpr int kFirstSectionStation = 3;
constexpr double kMmPerCm = 10;

std::string number(double value, int decimals) {
    return numberInMessage(value, decimals);
}

[[noreturn]] void refuse(const std::string& reason) {
    throw ModelError(withArguments(
        translatedText("kelvarin::ShapeCheck", "Модель винта не построена: %1."), {reason}));
}

void requireFinite(int station, std::initializer_list<double> values) {
    if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
        refuse(
            withArguments(translatedText("kelvarin::ShapeCheck",
                                         "в сечении %1 есть значение, которое не является числом"),
                          {std::to_string(station)}));
    }
}

void requirePositiveWidth(int station, double widthMm) {
    if (!(widthMm > 0)) {
        refuse(withArguments(
            translatedText("kelvarin::ShapeCheck",
                           "ширина лопасти в сечении %1 (%2 мм) должна быть больше нуля"),
            {std::to_string(station), number(widthMm, 1)}));
    }
}

void checkSection(const BladeSection& s, int station, double previousRadiusMm) {
    const SectionProfileMm& p = s.profile;
    requireFinite(station, {s.radiusMm, s.bladeAngleDeg, s.widthMm, s.depthMm});
    for (std::size_t j = 0; j < p.chordMm.size(); ++j) {
        requireFinite(station, {p.chordMm[j], p.upperMm[j], p.lowerMm[j]});
    }
    const std::string name = std::to_string(station);
    if (!(s.radiusMm > previousRadiusMm)) {
        refuse(withArguments(
            translatedText("kelvarin::ShapeCheck",
                           "сечение %1 должно лежать дальше от оси винта, чем сечение %2"),
            {name, std::to_string(station - 1)}));
    }
    requirePositiveWidth(station, s.widthMm);
    const double chordMm = p.chordMm.back() - p.chordMm.front();
    if (!(chordMm > 0)) {
        refuse(withArguments(translatedText("kelvarin::ShapeCheck",
                                            "хорда сечения %1 (%2 мм) должна быть больше нуля"),
                             {name, number(chordMm, 1)}));
    }
    const double thicknessMm = *std::max_element(p.upperMm.begin(), p.upperMm.end());
    if (!(thicknessMm > 0)) {
        refuse(withArguments(
            translatedText("kelvarin::ShapeCheck", "толщина сечения %1 должна быть больше нуля"),
            {name}));
    }
    if (p.upperMm.back() != p.lowerMm.back()) {
        refuse(withArguments(translatedText("kelvarin::ShapeCheck",
                                            "сечение %1 не сходится в точку на задней кромке"),
                             {name}));
    }
    if (!(s.bladeAngleDeg > 0)) {
        refuse(withArguments(translatedText("kelvarin::ShapeCheck",
                                            "угол лопасти в сечении %1 (%2°) не больше "
                                            "нуля: шаг винта должен быть больше нуля"),
                             {name, number(s.bladeAngleDeg, 2)}));
    }
    if (s.bladeAngleDeg > kMaxBladeAngleDeg) {
        refuse(withArguments(
            translatedText("kelvarin::ShapeCheck",
                           "угол лопасти в сечении %1 (%2°) больше %3°: при таком шаге "
                           "сечение разворачивается поперёк плоскости вращения; уменьшите "
                           "шаг или увеличьте диаметр"),
            {name, number(s.bladeAngleDeg, 2), number(kMaxBladeAngleDeg, 0)}));
    }
}

}  // namespace

void checkShape(const PropellerShape& shape) {
    if (!std::isfinite(shape.diameterMm) || shape.diameterMm < kMinDiameterMm ||
        shape.diameterMm > kMaxDiameterMm) {
        refuse(withArguments(
            translatedText("kelvarin::ShapeCheck",
                           "диаметр винта %1 см вне разумных пределов (от %2 до %3 см)"),
            {number(shape.diameterMm / kMmPerCm, 1), number(kMinDiameterMm / kMmPerCm, 0),
             number(kMaxDiameterMm / kMmPerCm, 0)}));
    }
    double previousRadiusMm = 0;
    for (std::size_t i = 0; i < shape.hub.size(); ++i) {
        const int station = kFirstHubStation + static_cast<int>(i);
        requireFinite(station, {shape.hub[i].radiusMm, shape.hub[i].widthMm});
        requirePositiveWidth(station, shape.hub[i].widthMm);
        if (!(shape.hub[i].radiusMm > 0)) {
            refuse(withArguments(translatedText("kelvarin::ShapeCheck",
                                                "сечение %1 должно лежать дальше от оси винта"),
                                 {std::to_string(station)}));
        }
        previousRadiusMm = std::max(previousRadiusMm, shape.hub[i].radiusMm);
    }
    for (std::size_t i = 0; i < shape.sections.size(); ++i) {
        const int station = kFirstSectionStation + static_cast<int>(i);
        checkSection(shape.sections[i], station, previousRadiusMm);
        previousRadiusMm = shape.sections[i].radiusMm;
    }
}

}  // namespace kelvarin
