// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropellerAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "InflowSolver.h"
#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

void checkSpeed(double speedKmh) {
    if (!std::isfinite(speedKmh) || speedKmh < 0 || speedKmh > kMaxSpeedKmh) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PropellerAnalysis",
                           "Скорость полета должна быть от 0 до %1 км/ч, задано: %2 км/ч."),
            {russianNumber(kMaxSpeedKmh, 0), russianNumber(speedKmh, 1)}));
    }
}

void checkRpm(double rpm) {
    if (!std::isfinite(rpm) || rpm < kMinRpm || rpm > kMaxRpm) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PropellerAnalysis",
                           "Обороты винта должны быть от %1 до %2 об/мин, задано: %3 об/мин."),
            {russianNumber(kMinRpm, 0), russianNumber(kMaxRpm, 0), russianNumber(rpm, 3)}));
    }
}

namespace {

struct StationValues {
    double chordFraction;
    double bladeAngleDeg;
    double thicknessRatio;
    double camberRatio;
};

StationValues valuesOf(const BladeStation& s) {
    return {s.chordFraction, s.bladeAngleDeg, s.thicknessRatio, camberOf(s)};
}

// Linear between stations; the last station's values from there to the tip.
StationValues interpolate(const std::vector<BladeStation>& stations, double radiusFraction) {
    const auto upper =
        std::upper_bound(stations.begin(), stations.end(), radiusFraction,
                         [](double r, const BladeStation& s) { return r < s.radiusFraction; });
    if (upper == stations.end()) {
        return valuesOf(stations.back());
    }
    if (upper == stations.begin()) {
        return valuesOf(*upper);
    }
    const StationValues a = valuesOf(*(upper - 1));
    const StationValues b = valuesOf(*upper);
    const double t = (radiusFraction - (upper - 1)->radiusFraction) /
                     (upper->radiusFraction - (upper - 1)->radiusFraction);
    const auto between = [t](double x, double y) { return x + t * (y - x); };
    return {between(a.chordFraction, b.chordFraction), between(a.bladeAngleDeg, b.bladeAngleDeg),
            between(a.thicknessRatio, b.thicknessRatio), between(a.camberRatio, b.camberRatio)};
}

double prandtlFactor(double f) {
    return 2.0 / kPi * std::acos(std::exp(-f));
}

}  // namespace

PropellerAnalysis::PropellerAnalysis(const PropellerGeometry& geometry, const AirState& air)
    : geometry_(geometry), air_(air) {
    validateGeometry(geometry_);
    tipRadiusM_ = geometry_.diameterM / 2.0;
    const double rootFraction = geometry_.stations.front().radiusFraction;
    hubRadiusM_ = rootFraction * tipRadiusM_;

    const auto& st = geometry_.stations;
    const double span = 1.0 - rootFraction;

    // Elements crowd towards the tip, where the loading changes fastest: their edges lie at
    // root + span * sin(pi/2 * i/N).
    elements_.reserve(kBladeElementCount);
    double inner = rootFraction;
    for (int i = 1; i <= kBladeElementCount; ++i) {
        const double outer =
            rootFraction + span * std::sin(kPi / 2.0 * static_cast<double>(i) / kBladeElementCount);
        const double middle = 0.5 * (inner + outer);
        const StationValues v = interpolate(st, middle);
        Element e{};
        e.radiusM = middle * tipRadiusM_;
        e.widthM = (outer - inner) * tipRadiusM_;
        e.chordM = v.chordFraction * tipRadiusM_;
        e.bladeAngleRad = v.bladeAngleDeg * kPi / 180.0;
        e.shape = camberedSection(v.thicknessRatio, v.camberRatio, e.chordM / e.radiusM);
        elements_.push_back(e);
        inner = outer;
    }
}

namespace {

// Loads of one blade element per unit span: thrust N/m and torque N m/m for all blades.
struct ElementLoads {
    bool converged = false;
    double thrustPerM = 0;
    double torquePerM = 0;
};

}  // namespace

OperatingPoint PropellerAnalysis::operatingPoint(double speedKmh, double rpm) const {
    checkSpeed(speedKmh);
    checkRpm(rpm);
    OperatingPoint point;
    point.speedKmh = speedKmh;
    point.rpm = rpm;

    const double v = speedKmh / 3.6;
    const double omega = rpm * 2.0 * kPi / 60.0;
    const double rho = air_.densityKgM3;
    const double blades = geometry_.bladeCount;

    double thrust = 0;
    double torque = 0;
    bool converged = true;
    for (const Element& e : elements_) {
        if (e.chordM <= 0) {
            continue;  // a station of no chord carries nothing
        }
        const double tangential = omega * e.radiusM;
        const double speedNoInflow = std::hypot(v, tangential);
        const SectionPolar polar(e.shape, rho * speedNoInflow * e.chordM / air_.viscosityPaS,
                                 speedNoInflow / air_.speedOfSoundMS);
        const double solidity = blades * e.chordM / (2.0 * kPi * e.radiusM);
        const double inflowRatio = v / tangential;
        const double tipTerm = blades / 2.0 * (tipRadiusM_ - e.radiusM) / e.radiusM;
        const double hubTerm = blades / 2.0 * (e.radiusM - hubRadiusM_) / hubRadiusM_;

        struct Terms {
            double lossFactor;
            double normal;   // cn: thrust-wise force coefficient
            double tangent;  // ct: torque-wise force coefficient
            double residual;
        };
        const auto terms = [&](double phi) {
            const double s = std::sin(phi);
            const double c = std::cos(phi);
            const SectionCoefficients k = polar.at(e.bladeAngleRad - phi);
            Terms t{};
            t.normal = k.lift * c - k.drag * s;
            t.tangent = k.lift * s + k.drag * c;
            const double as = std::abs(s);
            t.lossFactor =
                as < 1e-12 ? 1.0 : prandtlFactor(tipTerm / as) * prandtlFactor(hubTerm / as);
            // Momentum on the annulus against the blade element, Glauert's propeller equations
            // tan(phi) = lambda (1 + a) / (1 - a') with a / (1 + a) = sigma cn / (4F sin^2) and
            // a' / (1 - a') = sigma ct / (4F sin cos), that is sin (1 - k) = lambda cos (1 + k'),
            // multiplied through by 4F sin(phi) so that nothing divides by zero, at rest or with
            // the loss factor at nought. With
            // the flow driven backwards through the disk (phi < 0) the axial momentum changes
            // sign with it.
            const double q = 4.0 * t.lossFactor * as * c;
            t.residual = 4.0 * t.lossFactor * s * as - solidity * t.normal -
                         inflowRatio * (q + solidity * t.tangent);
            return t;
        };
        const auto residual = [&](double phi) { return terms(phi).residual; };

        // Brackets in the order of likelihood: a propeller from the no-inflow angle up to 90
        // degrees, one braking the flow below it, one driven backwards below 0 (reaching just
        // past 0, where a blade at its zero-lift angle at rest has its root).
        const double noInflow = std::atan2(v, tangential);
        const double least = 1e-7;
        const std::array<std::array<double, 2>, 3> brackets{{
            {std::max(noInflow, least), kPi / 2.0},
            {least, std::max(noInflow, least)},
            {-kPi / 2.0, least},
        }};
        ElementLoads loads;
        for (const auto& bracket : brackets) {
            if (bracket[1] - bracket[0] <= 0) {
                continue;
            }
            // Scan for the first change of sign from the bracket's start, then close in.
            double lo = bracket[0];
            double fLo = residual(lo);
            std::optional<double> root;
            for (int step = 1; step <= kBracketScanSteps && !root; ++step) {
                const double hi = bracket[0] + (bracket[1] - bracket[0]) * step / kBracketScanSteps;
                const double fHi = residual(hi);
                if ((fLo <= 0) != (fHi <= 0) || fLo == 0) {
                    root = bracketedRoot(residual, lo, hi, kInflowAngleTolerance,
                                         kInflowAngleMaxIterations);
                }
                lo = hi;
                fLo = fHi;
            }
            if (!root) {
                continue;
            }
            const double phi = *root;
            const Terms t = terms(phi);
            const double q = 4.0 * t.lossFactor * std::abs(std::sin(phi)) * std::cos(phi);
            const double swirl = q + solidity * t.tangent;
            if (q == 0 || swirl == 0 || std::abs(std::cos(phi)) < 1e-9) {
                continue;
            }
            // Tangential velocity at the disk, then the relative speed.
            const double atDisk = tangential * q / swirl;
            const double relative = atDisk / std::cos(phi);
            const double pressure = 0.5 * rho * relative * relative * blades * e.chordM;
            loads.thrustPerM = pressure * t.normal;
            loads.torquePerM = pressure * t.tangent * e.radiusM;
            loads.converged = std::isfinite(loads.thrustPerM) && std::isfinite(loads.torquePerM);
            if (loads.converged) {
                break;
            }
        }
        if (!loads.converged) {
            converged = false;
            break;
        }
        thrust += loads.thrustPerM * e.widthM;
        torque += loads.torquePerM * e.widthM;
    }
    if (!converged) {
        return point;
    }

    const double power = torque * omega;
    const double n = rpm / 60.0;
    const double d = geometry_.diameterM;
    point.converged = true;
    point.thrustN = thrust;
    point.thrustKgf = thrust / kStandardGravity;
    point.torqueNm = torque;
    point.powerKw = power / 1000.0;
    point.powerHp = power / kMetricHorsepowerW;
    point.advanceRatio = v / (n * d);
    point.thrustCoefficient = thrust / (rho * n * n * d * d * d * d);
    point.powerCoefficient = power / (rho * n * n * n * d * d * d * d * d);
    point.efficiency = thrust > 0 && power > 0 ? thrust * v / power : 0;
    return point;
}

}  // namespace kelvarin
