// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "PerformanceCurves.h"
#include "PropellerAnalysis.h"

namespace kelvarin {

// The engine's power at a propeller rpm, kW. Without a curve the engine keeps its torque below
// the rated rpm, so its power falls in proportion to the rpm, and gives no more than its rated
// power above it. With a curve (already checked) the power is linear between its points, in
// proportion to the rpm below the first and level beyond the last.
double enginePowerKw(const EngineAndFlight& engine, double rpm);

// Where the propeller and the engine balance at one flight speed: the rpm at which the
// propeller absorbs exactly what the engine gives there.
struct BalancedPoint {
    enum class Outcome {
        Found,
        TooHeavy,    // absorbs more than the engine gives already at searchFromRpm
        TooLight,    // absorbs less than the engine gives even at searchToRpm
        NoSolution,  // the analysis has no solution near the balance
    };
    double speedKmh = 0;
    Outcome outcome = Outcome::NoSolution;
    OperatingPoint point;  // at the balance; converged only when Found
    double tipMach = 0;    // at the balance
    double searchFromRpm = 0;
    double searchToRpm = 0;

    bool found() const { return outcome == Outcome::Found; }
};

// The balance between a twentieth and four times the rated rpm (within kMinRpm..kMaxRpm), to
// within half an rpm: bracketed outward from the rated rpm, then closed in by Brent's method,
// so that it ends in a bounded number of analyses. Throws PerformanceError (in the chosen
// language) for an engine or speed outside sense.
BalancedPoint balancedPoint(const PropellerAnalysis& analysis, const EngineAndFlight& engine,
                            double speedKmh);

// The balance at each speed, as operating points; a speed without balance is a point without
// solution at the rated rpm.
std::vector<OperatingPoint> balancedSweep(const PropellerAnalysis& analysis,
                                          const EngineAndFlight& engine,
                                          const std::vector<double>& speedsKmh);

// In words, whether the engine reaches its rated rpm with this propeller at this balance: how
// far it stays below (the propeller is too heavy) or would overspeed (too light), in rpm and
// percent, or that it reaches it (within kRatedRpmMarginPercent).
std::string rpmVerdict(const EngineAndFlight& engine, const BalancedPoint& balance);

inline constexpr double kRatedRpmMarginPercent = 3.0;

// Where the engine really turns the propeller: at rest and at the design speed.
struct EngineBalances {
    BalancedPoint atRest;
    BalancedPoint atDesignSpeed;
};

EngineBalances engineBalances(const PropellerAnalysis& analysis, const EngineAndFlight& engine);

// The balances as lines of text above a table: thrust, rpm, power, efficiency and tip Mach at
// each, and the verdict at rest, numbers with a point.
std::string balanceLines(const EngineAndFlight& engine, const EngineBalances& balances);

}  // namespace kelvarin
