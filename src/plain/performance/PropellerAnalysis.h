// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "Atmosphere.h"
#include "PropellerGeometry.h"
#include "SectionModel.h"

namespace kelvarin {

// What the propeller does at one flight speed and rpm. When `converged` is false the momentum
// balance had no solution on some blade element, the figures are zero and the point is a gap in
// a curve; it is never a NaN.
struct OperatingPoint {
    double speedKmh = 0;
    double rpm = 0;
    bool converged = false;
    double thrustN = 0;
    double thrustKgf = 0;
    double powerKw = 0;  // absorbed from the shaft
    double powerHp = 0;  // metric horsepower
    double torqueNm = 0;
    double efficiency = 0;         // thrust power over shaft power; 0 at rest or without thrust
    double advanceRatio = 0;       // J = V / (n D)
    double thrustCoefficient = 0;  // CT = T / (rho n^2 D^4), n in rev/s
    double powerCoefficient = 0;   // CP = P / (rho n^3 D^5)
};

inline constexpr double kMaxSpeedKmh = 600.0;
inline constexpr double kMinRpm = 1.0;
inline constexpr double kMaxRpm = 30000.0;

// A propeller in the air, ready to be asked for operating points: blade element momentum theory
// with Prandtl's tip and hub losses over the geometry's stations, every element solved for its
// inflow angle by a bracketing root finder, so every answer is bounded in time.
class PropellerAnalysis {
public:
    // Throws PerformanceError (Russian message) for a geometry outside sense.
    PropellerAnalysis(const PropellerGeometry& geometry, const AirState& air);

    // Speed 0..kMaxSpeedKmh km/h and rpm kMinRpm..kMaxRpm; throws PerformanceError with a
    // Russian message for values outside those or not numbers.
    OperatingPoint operatingPoint(double speedKmh, double rpm) const;

    const PropellerGeometry& geometry() const { return geometry_; }
    const AirState& air() const { return air_; }

private:
    struct Element {
        double radiusM;
        double widthM;
        double chordM;
        double bladeAngleRad;
        SectionShape shape;
    };

    PropellerGeometry geometry_;
    AirState air_;
    double tipRadiusM_ = 0;
    double hubRadiusM_ = 0;
    std::vector<Element> elements_;
};

// Throws PerformanceError with a Russian message unless 0 <= speed <= kMaxSpeedKmh.
void checkSpeed(double speedKmh);
// Throws PerformanceError with a Russian message unless kMinRpm <= rpm <= kMaxRpm.
void checkRpm(double rpm);

}  // namespace kelvarin
