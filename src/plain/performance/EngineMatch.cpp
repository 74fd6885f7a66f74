// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineMatch.h"

#include <cmath>

#include "DesignGeometry.h"
#include "InflowSolver.h"
#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/BladeGeometry.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr int kLadderSteps = 8;
constexpr int kMaxBrentIterations = 100;
constexpr double kHelixToleranceM = 1e-5;
constexpr double kDiameterToleranceCm = 0.05;
constexpr double kLeastDiameterFactor = 0.2;
constexpr double kMostDiameterFactor = 5.0;

// Absorbed minus rated power, kW, of the design's planform along `helixM`; NaN without
// solution.
double excessKw(PropellerDesign design, double helixM, const EngineAndFlight& engine,
                const AirState& air) {
    applyEngineHelix(design, helixM);
    try {
        const PropellerAnalysis analysis(geometryFromDesign(design), air);
        const OperatingPoint p = analysis.operatingPoint(engine.designSpeedKmh, engine.rpm);
        return p.converged ? p.powerKw - engine.enginePowerHp * kMetricHorsepowerW / 1000.0
                           : std::nan("");
    } catch (const PerformanceError&) {
        return std::nan("");
    }
}

// The root of `f` between `low` and `high` (f rising): the first change of sign on a geometric
// ladder, closed in by Brent's method. Nothing when f is positive at `low` (too much already),
// negative at `high` (too little), or not a number where it is needed.
template <typename F>
std::optional<double> risingRoot(const F& f, double low, double high, double tolerance,
                                 double& fLow, double& fHigh) {
    fLow = f(low);
    fHigh = std::nan("");
    if (!std::isfinite(fLow) || fLow > 0) {
        return std::nullopt;
    }
    const double ratio = std::pow(high / low, 1.0 / kLadderSteps);
    double lo = low;
    for (int i = 1; i <= kLadderSteps; ++i) {
        const double hi = i == kLadderSteps ? high : low * std::pow(ratio, i);
        fHigh = f(hi);
        if (!std::isfinite(fHigh)) {
            return std::nullopt;
        }
        if (fHigh >= 0) {
            return bracketedRoot(f, lo, hi, tolerance, kMaxBrentIterations);
        }
        lo = hi;
    }
    return std::nullopt;
}

// The diameter at which the same planform, with its helix at the sized pitch-to-diameter ratio
// (a blade made to the pitch field), absorbs the rated power.
std::optional<double> matchingDiameterCm(const PropellerDesign& design,
                                         const EngineAndFlight& engine, const AirState& air) {
    const double diameter = design.sizing.diameterCm;
    const double ratio = design.sizing.pitchM * 100.0 / diameter;
    if (!(ratio > 0)) {
        return std::nullopt;
    }
    const auto f = [&](double d) {
        PropellerDesign scaled = design;
        scaled.sizing.diameterCm = d;
        return excessKw(scaled, ratio * d / 100.0, engine, air);
    };
    double fLow = 0;
    double fHigh = 0;
    const double low = std::max(kMinDiameterM * 100.0, kLeastDiameterFactor * diameter);
    const double high = std::min(kMaxDiameterM * 100.0, kMostDiameterFactor * diameter);
    if (!(low < high)) {
        return std::nullopt;
    }
    return risingRoot(f, low, high, kDiameterToleranceCm, fLow, fHigh);
}

std::string diameterAdvice(const std::optional<double>& diameterCm) {
    return diameterCm ? withArguments(translatedText("kelvarin::EngineMatch",
                                                     " Подойдет диаметр около %1 см."),
                                      {russianNumber(*diameterCm, 0)})
                      : std::string();
}

}  // namespace

EngineMatch matchToEngine(const PropellerDesign& design, const EngineAndFlight& engine,
                          const AirState& air) {
    EngineMatch match;
    try {
        checkEngineAndFlight(engine);
    } catch (const PerformanceError& e) {
        match.problem = e.what();
        return match;
    }
    const double diameterM = design.sizing.diameterCm / 100.0;
    if (!std::isfinite(diameterM) || diameterM < kMinDiameterM || diameterM > kMaxDiameterM) {
        match.problem = withArguments(
            translatedText("kelvarin::EngineMatch",
                           "Подобрать шаг под двигатель нельзя: диаметр %1 см вне пределов расчета "
                           "(от %2 до %3 см)."),
            {russianNumber(design.sizing.diameterCm, 1), russianNumber(kMinDiameterM * 100, 0),
             russianNumber(kMaxDiameterM * 100, 0)});
        return match;
    }
    const double low = kLeastHelixPerDiameter * diameterM;
    const double high = kMostHelixPerDiameter * diameterM;
    const auto f = [&](double helix) { return excessKw(design, helix, engine, air); };
    double fLow = 0;
    double fHigh = 0;
    const std::optional<double> helix = risingRoot(f, low, high, kHelixToleranceM, fLow, fHigh);
    const double ratedKw = engine.enginePowerHp * kMetricHorsepowerW / 1000.0;
    if (helix) {
        const double excess = f(*helix);
        if (std::isfinite(excess) && std::abs(excess) <= ratedKw * kMatchTolerancePercent / 100) {
            match.helixPitchM = *helix;
            match.absorbedHp = (ratedKw + excess) * 1000.0 / kMetricHorsepowerW;
            return match;
        }
    }
    const std::string rated = russianNumber(engine.enginePowerHp, 1);
    const std::string rpm = russianNumber(engine.rpm, 0);
    if (std::isfinite(fLow) && fLow > 0) {
        match.suggestedDiameterCm = matchingDiameterCm(design, engine, air);
        match.problem = withArguments(
            translatedText("kelvarin::EngineMatch",
                           "Шаг под двигатель не подобрать: диаметр %1 см велик для %2 л.с. при "
                           "%3 об/мин — винт поглощает больше даже с шагом %4 м."),
            {russianNumber(design.sizing.diameterCm, 1), rated, rpm, russianNumber(low, 2)});
    } else if (std::isfinite(fLow) && std::isfinite(fHigh) && fHigh < 0) {
        match.suggestedDiameterCm = matchingDiameterCm(design, engine, air);
        match.problem = withArguments(
            translatedText("kelvarin::EngineMatch",
                           "Шаг под двигатель не подобрать: диаметр %1 см мал для %2 л.с. при "
                           "%3 об/мин — винт поглощает меньше даже с шагом %4 м."),
            {russianNumber(design.sizing.diameterCm, 1), rated, rpm, russianNumber(high, 2)});
    } else {
        match.problem = translatedText("kelvarin::EngineMatch",
                                       "Шаг под двигатель не подобрать: расчет винта не сходится.");
    }
    match.problem += diameterAdvice(match.suggestedDiameterCm);
    return match;
}

EngineMatch applyBladeAngles(PropellerDesign& design, const EngineAndFlight& engine,
                             const AirState& air) {
    if (design.angles.rule != BladeAngleRule::Engine) {
        applyBladeAngleRule(design);
        return {};
    }
    EngineMatch match = matchToEngine(design, engine, air);
    if (match.helixPitchM) {
        applyEngineHelix(design, *match.helixPitchM);
    }
    return match;
}

EngineMatch applyBladeAngles(CalculationOutcome& outcome, const AirState& air) {
    if (!outcome.completed()) {
        return {};
    }
    EngineAndFlight engine;
    try {
        engine = engineAndFlightOf(outcome.engine);
    } catch (const PerformanceError& e) {
        EngineMatch refused;
        refused.problem = e.what();
        return refused;
    }
    return applyBladeAngles(outcome.design, engine, air);
}

}  // namespace kelvarin
