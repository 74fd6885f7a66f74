// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "PropellerAnalysis.h"
#include "core/EnginePowerCurve.h"

namespace kelvarin {

// Flight speeds from `fromKmh` to `toKmh` inclusive every `stepKmh`.
struct SpeedRange {
    double fromKmh = 0;
    double toKmh = 0;
    double stepKmh = 0;
};

inline constexpr int kMaxSweepPoints = 10001;

// "0:100:5" (from:to:step, km/h, a decimal point or comma) into a range. Throws PerformanceError
// with a Russian message naming the text and the fault.
SpeedRange parseSpeedRange(std::string_view text);

// The speeds of a range, the last one exactly `toKmh`. Throws PerformanceError (Russian) unless
// 0 <= from <= to <= kMaxSpeedKmh, step > 0 and at most kMaxSweepPoints speeds.
std::vector<double> speedsOf(const SpeedRange& range);

// Operating points at one rpm over the given speeds.
std::vector<OperatingPoint> speedSweep(const PropellerAnalysis& analysis, double rpm,
                                       const std::vector<double>& speedsKmh);

// Operating points at one speed over `count` (2..kMaxSweepPoints) evenly spaced rpm values from
// `fromRpm` to `toRpm`.
std::vector<OperatingPoint> rpmSweep(const PropellerAnalysis& analysis, double speedKmh,
                                     double fromRpm, double toRpm, int count);

// The rpm between `lowRpm` and `highRpm` at which the propeller absorbs `powerKw` at the given
// speed, to within half an rpm; nothing when it absorbs less even at `highRpm`, more already at
// `lowRpm`, or the analysis has no solution there.
std::optional<double> rpmAbsorbing(const PropellerAnalysis& analysis, double speedKmh,
                                   double powerKw, double lowRpm, double highRpm);

// What a builder gives: the engine, its rpm at the propeller, and the flight speeds.
struct EngineAndFlight {
    double enginePowerHp = 0;  // metric horsepower
    double rpm = 0;            // propeller rpm at that power
    double designSpeedKmh = 0;
    double maxSpeedKmh = 0;
    // The power at other rpm; empty for constant torque up to the rated rpm.
    EnginePowerCurve powerCurve = {};
};

// Throws PerformanceError with a Russian message naming the first value outside sense.
void checkEngineAndFlight(const EngineAndFlight& input);

// Everything the window "Характеристики винта" shows.
struct PerformanceSummary {
    double enginePowerKw = 0;
    OperatingPoint atRest;                           // the engine rpm, no speed
    std::vector<OperatingPoint> bySpeed;             // the engine rpm, 0 up to the top speed
    std::vector<OperatingPoint> powerAtRest;         // absorbed power against rpm, at rest
    std::vector<OperatingPoint> powerAtDesignSpeed;  // the same at the design speed
    std::optional<double> balanceRpmAtRest;          // absorbed power equals the engine's
    std::optional<double> balanceRpmAtDesignSpeed;
    double balanceSearchFromRpm = 0;  // the balance is looked for between these two
    double balanceSearchToRpm = 0;
};

inline constexpr int kSpeedCurvePoints = 101;
inline constexpr int kPowerCurvePoints = 150;

// The curves and figures of the window: thrust and efficiency over 0 up to the larger of the
// maximum and design speeds at the engine rpm; absorbed power at rest and at the design speed
// over rpm from a quarter of the engine rpm to past both balance points (at least 1.3 times the
// engine rpm); the rpm of balance with the engine. Throws PerformanceError (Russian) for input
// outside sense.
PerformanceSummary summarize(const PropellerAnalysis& analysis, const EngineAndFlight& input);

}  // namespace kelvarin
