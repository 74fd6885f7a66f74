// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace kelvarin {

// The load the strength is judged at, as the caller knows it (an operating point of the
// performance analysis, or the engine's figures).
struct BladeLoad {
    double rpm = 0;
    double thrustN = 0;   // of the whole propeller
    double torqueNm = 0;  // of the whole propeller
};

// One station's strength at the load, for one blade.
struct StationStrength {
    int station = 0;
    double radiusMm = 0;
    double centrifugalN = 0;  // the pull of the blade outboard of the station
    double tensileMPa = 0;    // that pull over the section's area
    double bendingMPa = 0;    // from thrust and torque, at the section's outermost fibre
    double safetyFactor = 0;  // the wood's strength over the sum of the two
};

// What a builder needs to know of the solid before cutting wood.
struct ModelInfo {
    // The stock the solid fits in: along the blades, across them, along the axis.
    double lengthMm = 0;
    double widthMm = 0;
    double depthMm = 0;
    double volumeMm3 = 0;
    double densityKgM3 = 0;
    double massKg = 0;                       // volume times density
    std::array<double, 3> centreOfMassMm{};  // in the solid's frame (Z the axis)
    double strengthMPa = 0;                  // of the wood
    std::vector<StationStrength> stations;   // 3 to 10; the tip carries nothing
    double rootLimitRpm = 0;  // the rpm at which the root's factor falls to the recommended
};

inline double massKgOf(double volumeMm3, double densityKgM3) {
    return volumeMm3 * 1e-9 * densityKgM3;
}

}  // namespace kelvarin
