// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/CalculationRun.h"
#include "performance/DesignGeometry.h"
#include "performance/EngineBalance.h"
#include "performance/EngineMatch.h"
#include "performance/ModelConstants.h"

namespace kelvarin {
namespace {

// The default design, as a calculation of the start texts leaves it.
PropellerDesign defaultDesign() {
    return runCalculation(startTexts(), InputMode::Calculated).design;
}

// One operating point: at rest (the inner blade stalled) and at the design speed.
void BM_OperatingPoint(benchmark::State& state) {
    const PropellerAnalysis analysis(geometryFromDesign(defaultDesign()), airAt(0));
    const double speed = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(analysis.operatingPoint(speed, 2300));
    }
}
BENCHMARK(BM_OperatingPoint)->Arg(0)->Arg(40)->Unit(benchmark::kMicrosecond);

// Everything the window draws for a new calculation: about 400 points and two balance searches.
void BM_WindowCurves(benchmark::State& state) {
    const CalculationOutcome run = runCalculation(startTexts(), InputMode::Calculated);
    const PropellerDesign& design = run.design;
    const EngineAndFlight engine = engineAndFlightOf(run.engine);
    std::size_t points = 0;
    for (auto _ : state) {
        const PropellerAnalysis analysis(geometryFromDesign(design), airAt(0));
        const PerformanceSummary s = summarize(analysis, engine);
        points = s.bySpeed.size() + s.powerAtRest.size() + s.powerAtDesignSpeed.size() + 1;
        benchmark::DoNotOptimize(s);
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_WindowCurves)->Unit(benchmark::kMillisecond);

// The balanced operating point: the rpm at which the default propeller absorbs what its engine
// gives, at rest and at the design speed.
void BM_BalancedPoint(benchmark::State& state) {
    const CalculationOutcome run = runCalculation(startTexts(), InputMode::Calculated);
    const PropellerAnalysis analysis(geometryFromDesign(run.design), airAt(0));
    const EngineAndFlight engine = engineAndFlightOf(run.engine);
    const double speed = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(balancedPoint(analysis, engine, speed));
    }
}
BENCHMARK(BM_BalancedPoint)->Arg(0)->Arg(40)->Unit(benchmark::kMillisecond);

// A whole match to the engine, as a click on the rule would ask for it.
void BM_EngineMatch(benchmark::State& state) {
    const CalculationOutcome run = runCalculation(startTexts(), InputMode::Calculated);
    PropellerDesign design = run.design;
    design.angles.rule = BladeAngleRule::Engine;
    const EngineAndFlight engine = engineAndFlightOf(run.engine);
    for (auto _ : state) {
        PropellerDesign matched = design;
        benchmark::DoNotOptimize(applyBladeAngles(matched, engine, airAt(0)));
    }
}
BENCHMARK(BM_EngineMatch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvarin
