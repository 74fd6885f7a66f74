// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kelvarin {

// One point of an engine's power curve: the power it gives at a propeller rpm.
struct EnginePowerPoint {
    double rpm = 0;      // propeller rev/min
    double powerHp = 0;  // metric horsepower

    bool operator==(const EnginePowerPoint&) const = default;
};

// A few points by growing rpm; none for the default engine, of constant torque below its rated
// rpm.
using EnginePowerCurve = std::vector<EnginePowerPoint>;

inline constexpr double kCurveMinRpm = 1.0;
inline constexpr double kCurveMaxRpm = 30000.0;
inline constexpr double kCurveMaxPowerHp = 5000.0;
inline constexpr std::size_t kCurveMaxPoints = 50;

// What makes a curve unusable: a sentence in the chosen language naming the point (from 1), and
// the point's index, nothing for the curve as a whole. Empty text when it is usable.
struct EnginePowerCurveProblem {
    std::string text;
    std::optional<std::size_t> pointIndex;
};

// A curve is unusable with fewer than two points or more than kCurveMaxPoints, an rpm outside
// kCurveMinRpm..kCurveMaxRpm or not above the one before, a power not above 0 or above
// kCurveMaxPowerHp. An empty curve is the default engine and has no problem.
EnginePowerCurveProblem enginePowerCurveProblem(const EnginePowerCurve& curve);

}  // namespace kelvarin
