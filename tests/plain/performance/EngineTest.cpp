// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's side of the analysis: its power at other rpm, the balance with the propeller and
// the blade matched to it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/BladePitch.h"
#include "core/CalculationRun.h"
#include "performance/DesignGeometry.h"
#include "performance/EngineBalance.h"
#include "performance/EngineMatch.h"
#include "performance/ModelConstants.h"

namespace kelvarin {
namespace {

constexpr double kWPerHp = kMetricHorsepowerW;

CalculationOutcome calculated(BladeAngleRule rule, const FieldTexts& texts = startTexts(),
                              InputMode mode = InputMode::Calculated) {
    PropellerDesign design;
    design.angles.rule = rule;
    return runCalculation(texts, mode, design);
}

TEST(Engine, PowerAtOtherRpm) {
    EngineAndFlight e{14, 2300, 40, 50};
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 2300), 14 * kWPerHp / 1000);
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 1150), 7 * kWPerHp / 1000);   // constant torque below
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 3000), 14 * kWPerHp / 1000);  // no more above
    e.powerCurve = {{1000, 5}, {2000, 12}, {3000, 14}};
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 500), 2.5 * kWPerHp / 1000);
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 1500), 8.5 * kWPerHp / 1000);
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 2500), 13 * kWPerHp / 1000);
    EXPECT_DOUBLE_EQ(enginePowerKw(e, 4000), 14 * kWPerHp / 1000);
}

// The closed case: an engine made to give, at 1800 rpm, exactly what the propeller absorbs
// there balances there, as a constant-torque engine and as the same line given as a curve.
TEST(Engine, BalanceWhereTheEngineGivesWhatThePropellerTakes) {
    const PropellerAnalysis analysis(geometryFromDesign(calculated(BladeAngleRule::Rule).design),
                                     airAt(0));
    for (double speed : {0.0, 40.0}) {
        const double absorbedHp = analysis.operatingPoint(speed, 1800).powerHp;
        EngineAndFlight constantTorque{absorbedHp * 2300 / 1800, 2300, 40, 50};
        EngineAndFlight curve = constantTorque;
        curve.powerCurve = {{1000, absorbedHp / 1.8}, {2600, absorbedHp * 2600 / 1800}};
        for (const EngineAndFlight& e : {constantTorque, curve}) {
            const BalancedPoint b = balancedPoint(analysis, e, speed);
            ASSERT_TRUE(b.found()) << speed;
            EXPECT_NEAR(b.point.rpm, 1800, 0.5);
            EXPECT_NEAR(b.point.powerHp, absorbedHp, 1e-3 * absorbedHp);
            EXPECT_NEAR(b.tipMach, 1800 / 60.0 * kPi * 1.517 / 340.294, 1e-3);
        }
    }
}

TEST(Engine, VerdictSaysHowFarFromTheRatedRpm) {
    const PropellerAnalysis analysis(geometryFromDesign(calculated(BladeAngleRule::Rule).design),
                                     airAt(0));
    const auto verdict = [&](double hp) {
        const EngineAndFlight e{hp, 2300, 40, 50};
        const BalancedPoint b = balancedPoint(analysis, e, 0);
        EXPECT_TRUE(std::isfinite(b.point.rpm));
        return rpmVerdict(e, b);
    };
    EXPECT_NE(verdict(14).find("меньше номинальных 2300"), std::string::npos) << verdict(14);
    EXPECT_NE(verdict(200).find("больше номинальных 2300"), std::string::npos) << verdict(200);
    EXPECT_NE(verdict(4000).find("слишком легок"), std::string::npos) << verdict(4000);
    EXPECT_NE(verdict(0.001).find("слишком тяжел"), std::string::npos) << verdict(0.001);
}

TEST(Engine, MatchedBladeAbsorbsTheRatedPower) {
    CalculationOutcome outcome = calculated(BladeAngleRule::Engine);
    const EngineMatch match = applyBladeAngles(outcome, airAt(0));
    ASSERT_TRUE(match.helixPitchM) << match.problem;
    // Re-analysed from the design alone, as any view of it would.
    const PropellerDesign& d = outcome.design;
    EXPECT_NEAR(bladePitchM(d), *match.helixPitchM, 1e-9);
    EXPECT_EQ(d.sizing.pitchM, 0.52);  // the field keeps the sizing's pitch
    const OperatingPoint p =
        PropellerAnalysis(geometryFromDesign(d), airAt(0)).operatingPoint(40, 2300);
    EXPECT_NEAR(p.powerHp, 14, 0.14);
    EXPECT_NEAR(match.absorbedHp, p.powerHp, 1e-9);
}

TEST(Engine, NoMatchLeavesTheDesignAndSuggestsADiameter) {
    FieldTexts texts = startTexts();
    texts[fieldIndex(InputField::Diameter)] = "60";
    texts[fieldIndex(InputField::Pitch)] = "1";
    texts[fieldIndex(InputField::Power)] = "60";
    CalculationOutcome outcome = calculated(BladeAngleRule::Engine, texts, InputMode::Manual);
    ASSERT_TRUE(outcome.completed());
    const PropellerDesign before = outcome.design;
    const EngineMatch match = applyBladeAngles(outcome, airAt(0));
    EXPECT_FALSE(match.helixPitchM);
    EXPECT_NE(match.problem.find("мал для 60"), std::string::npos) << match.problem;
    ASSERT_TRUE(match.suggestedDiameterCm);
    EXPECT_GT(*match.suggestedDiameterCm, 80);
    EXPECT_EQ(outcome.design.stations.bladeAngleDeg, before.stations.bladeAngleDeg);
    // A flight speed out of sense is a problem too, not a throw.
    EngineAndFlight bad = engineAndFlightOf(outcome.engine);
    bad.designSpeedKmh = std::nan("");
    EXPECT_FALSE(matchToEngine(before, bad, airAt(0)).problem.empty());
}

}  // namespace
}  // namespace kelvarin
