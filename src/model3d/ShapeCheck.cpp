// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ShapeCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "model3d/ModelError.h"

namespace kelvarin::model3d {

namespace {

constexpr int kFirstHubStation = 1;
constexpr int kFirstSectionStation = 3;
constexpr double kMmPerCm = 10;

// A number as the user reads it in the window: a comma before the decimals.
std::string number(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

[[noreturn]] void refuse(const std::string& reason) {
    throw ModelError("Модель винта не построена: " + reason + ".");
}

void requireFinite(int station, std::initializer_list<double> values) {
    if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
        refuse("в сечении " + std::to_string(station) +
               " есть значение, которое не является числом");
    }
}

void requirePositiveWidth(int station, double widthMm) {
    if (!(widthMm > 0)) {
        refuse("ширина лопасти в сечении " + std::to_string(station) + " (" + number(widthMm, 1) +
               " мм) должна быть больше нуля");
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
        refuse("сечение " + name + " должно лежать дальше от оси винта, чем сечение " +
               std::to_string(station - 1));
    }
    requirePositiveWidth(station, s.widthMm);
    const double chordMm = p.chordMm.back() - p.chordMm.front();
    if (!(chordMm > 0)) {
        refuse("хорда сечения " + name + " (" + number(chordMm, 1) +
               " мм) должна быть больше нуля");
    }
    const double thicknessMm = *std::max_element(p.upperMm.begin(), p.upperMm.end());
    if (!(thicknessMm > 0)) {
        refuse("толщина сечения " + name + " должна быть больше нуля");
    }
    if (p.upperMm.back() != p.lowerMm.back()) {
        refuse("сечение " + name + " не сходится в точку на задней кромке");
    }
    if (!(s.bladeAngleDeg > 0)) {
        refuse("угол лопасти в сечении " + name + " (" + number(s.bladeAngleDeg, 2) +
               "°) не больше нуля: шаг винта должен быть больше нуля");
    }
    if (s.bladeAngleDeg > kMaxBladeAngleDeg) {
        refuse("угол лопасти в сечении " + name + " (" + number(s.bladeAngleDeg, 2) + "°) больше " +
               number(kMaxBladeAngleDeg, 0) +
               "°: при таком шаге сечение разворачивается поперёк плоскости вращения; "
               "уменьшите шаг или увеличьте диаметр");
    }
}

}  // namespace

void checkShape(const PropellerShape& shape) {
    if (!std::isfinite(shape.diameterMm) || shape.diameterMm < kMinDiameterMm ||
        shape.diameterMm > kMaxDiameterMm) {
        refuse("диаметр винта " + number(shape.diameterMm / kMmPerCm, 1) +
               " см вне разумных пределов (от " + number(kMinDiameterMm / kMmPerCm, 0) + " до " +
               number(kMaxDiameterMm / kMmPerCm, 0) + " см)");
    }
    double previousRadiusMm = 0;
    for (std::size_t i = 0; i < shape.hub.size(); ++i) {
        const int station = kFirstHubStation + static_cast<int>(i);
        requireFinite(station, {shape.hub[i].radiusMm, shape.hub[i].widthMm});
        requirePositiveWidth(station, shape.hub[i].widthMm);
        if (!(shape.hub[i].radiusMm > 0)) {
            refuse("сечение " + std::to_string(station) + " должно лежать дальше от оси винта");
        }
        previousRadiusMm = std::max(previousRadiusMm, shape.hub[i].radiusMm);
    }
    for (std::size_t i = 0; i < shape.sections.size(); ++i) {
        const int station = kFirstSectionStation + static_cast<int>(i);
        checkSection(shape.sections[i], station, previousRadiusMm);
        previousRadiusMm = shape.sections[i].radiusMm;
    }
}

}  // namespace kelvarin::model3d
