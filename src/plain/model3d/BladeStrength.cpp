// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/BladeStrength.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "model3d/SectionPoints.h"

namespace kelvarin {

namespace {

constexpr int kBlades = 2;
constexpr double kStepsPerInterval = 64;

// Area and second moments of a closed outline about its centroid, in its own frame, and the
// greatest distance of the outline from the centroid across and along the chord.
struct SectionProperties {
    double areaMm2 = 0;
    double flatwiseMm4 = 0;  // about the axis along the chord
    double edgewiseMm4 = 0;  // about the axis across it
    double reachAcrossMm = 0;
    double reachAlongMm = 0;
};

SectionProperties propertiesOf(const OutlinePoints& p) {
    double a = 0, cu = 0, cv = 0, iuu = 0, ivv = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const SectionPoint s = p[i];
        const SectionPoint t = p[(i + 1) % p.size()];
        const double cross = s.u * t.v - t.u * s.v;
        a += cross;
        cu += (s.u + t.u) * cross;
        cv += (s.v + t.v) * cross;
        iuu += (s.v * s.v + s.v * t.v + t.v * t.v) * cross;
        ivv += (s.u * s.u + s.u * t.u + t.u * t.u) * cross;
    }
    a /= 2;
    cu /= 6 * a;
    cv /= 6 * a;
    SectionProperties r;
    r.areaMm2 = std::abs(a);
    r.flatwiseMm4 = std::abs(iuu / 12 - a * cv * cv);
    r.edgewiseMm4 = std::abs(ivv / 12 - a * cu * cu);
    for (const SectionPoint& s : p) {
        r.reachAcrossMm = std::max(r.reachAcrossMm, std::abs(s.v - cv));
        r.reachAlongMm = std::max(r.reachAlongMm, std::abs(s.u - cu));
    }
    return r;
}

// ∫ f(r) dr from `from` over the rest of the blade, the stations' values joined by straight
// lines.
double integralOutboard(const std::vector<double>& radii, const std::function<double(double)>& f,
                        double from) {
    double sum = 0;
    for (std::size_t i = 0; i + 1 < radii.size(); ++i) {
        const double a = std::max(radii[i], from);
        const double b = radii[i + 1];
        if (b <= a) {
            continue;
        }
        const double h = (b - a) / kStepsPerInterval;
        for (int k = 0; k < kStepsPerInterval; ++k) {
            const double x = a + (k + 0.5) * h;
            sum += f(x) * h;
        }
    }
    return sum;
}

double interpolated(const std::vector<double>& radii, const std::vector<double>& values, double r) {
    for (std::size_t i = 0; i + 1 < radii.size(); ++i) {
        if (r <= radii[i + 1]) {
            const double s = (r - radii[i]) / (radii[i + 1] - radii[i]);
            return values[i] + s * (values[i + 1] - values[i]);
        }
    }
    return values.back();
}

}  // namespace

std::vector<StationStrength> bladeStrength(const PropellerShape& shape, double trailingEdgeMm,
                                           double densityKgM3, double strengthMPa,
                                           const BladeLoad& load) {
    // SI units inside: metres, newtons, pascals.
    std::vector<double> radii, areas, chords;
    std::vector<SectionProperties> properties;
    for (const BladeSection& s : shape.sections) {
        properties.push_back(propertiesOf(outlinePoints(s.profile, trailingEdgeMm)));
        radii.push_back(s.radiusMm / 1000);
        areas.push_back(properties.back().areaMm2 * 1e-6);
        chords.push_back((s.profile.chordMm.back() - s.profile.chordMm.front()) / 1000);
    }
    const double omega = load.rpm * 2 * std::numbers::pi / 60;
    const auto weight = [&](double r) { return r * r * interpolated(radii, chords, r); };
    const double weightTotal = integralOutboard(radii, weight, radii.front());
    const double weightMoment = integralOutboard(
        radii, [&](double r) { return weight(r) * r; }, radii.front());
    const double thrustPerWeight = weightTotal > 0 ? load.thrustN / kBlades / weightTotal : 0;
    const double forcePerWeight = weightMoment > 0 ? load.torqueNm / kBlades / weightMoment : 0;

    std::vector<StationStrength> stations;
    for (std::size_t i = 0; i + 1 < shape.sections.size(); ++i) {
        const double r0 = radii[i];
        const SectionProperties& p = properties[i];
        StationStrength s;
        s.station = static_cast<int>(i) + 3;
        s.radiusMm = shape.sections[i].radiusMm;
        s.centrifugalN =
            densityKgM3 * omega * omega *
            integralOutboard(
                radii, [&](double r) { return interpolated(radii, areas, r) * r; }, r0);
        s.tensileMPa = s.centrifugalN / areas[i] * 1e-6;
        const double armed = integralOutboard(
            radii, [&](double r) { return weight(r) * (r - r0); }, r0);
        const double thrustMomentNm = thrustPerWeight * armed;
        const double torqueMomentNm = forcePerWeight * armed;
        const double angle = shape.sections[i].bladeAngleDeg * std::numbers::pi / 180;
        const double flatNm =
            std::abs(thrustMomentNm * std::cos(angle)) + std::abs(torqueMomentNm * std::sin(angle));
        const double edgeNm =
            std::abs(thrustMomentNm * std::sin(angle)) + std::abs(torqueMomentNm * std::cos(angle));
        // N·m over mm³ gives N/mm² (MPa) after a factor of 1000.
        s.bendingMPa = flatNm * 1000 * p.reachAcrossMm / p.flatwiseMm4 +
                       edgeNm * 1000 * p.reachAlongMm / p.edgewiseMm4;
        const double total = s.tensileMPa + s.bendingMPa;
        s.safetyFactor = total > 0 ? strengthMPa / total : 0;
        stations.push_back(s);
    }
    return stations;
}

double rootLimitRpm(const std::vector<StationStrength>& stations, double rpm,
                    double recommendedFactor) {
    if (stations.empty() || !(stations.front().safetyFactor > 0) || !(rpm > 0)) {
        return 0;
    }
    return rpm * std::sqrt(stations.front().safetyFactor / recommendedFactor);
}

}  // namespace kelvarin
