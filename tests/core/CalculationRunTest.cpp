// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include <gtest/gtest.h>

#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin {
namespace {

using testing::messageTexts;
using testing::ScopedSeparator;
using testing::startTextsWith;

class Run : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
};

TEST_F(Run, CalculatedModeCompletesWithTheResultsAsTheFieldsShowThem) {
    const CalculationOutcome run = runCalculation(startTextsWith(), InputMode::Calculated);
    EXPECT_TRUE(run.completed());
    EXPECT_EQ(run.design.sizing.diameterCm, 151.7);  // read back as shown
    EXPECT_EQ(run.design.sizing.pitchM, 0.52);
    EXPECT_EQ(run.fieldTexts, startTextsWith());
    EXPECT_EQ(run.fieldWrites.size(), 2u);  // diameter and pitch, rewritten as they were
    EXPECT_TRUE(run.messages.empty());

    // A second click on what the first left gives the same design.
    const CalculationOutcome again =
        runCalculation(run.fieldTexts, InputMode::Calculated, run.design);
    EXPECT_EQ(again.design.stations.bladeAngleDeg, run.design.stations.bladeAngleDeg);
    EXPECT_EQ(again.design.profiles[10].upperMm, run.design.profiles[10].upperMm);
}

TEST_F(Run, ManualModeSkipsSizing) {
    const CalculationOutcome run = runCalculation(
        startTextsWith(
            {{InputField::Diameter, "120"}, {InputField::Pitch, "0,6"}, {InputField::Power, ""}}),
        InputMode::Manual);
    EXPECT_TRUE(run.completed());
    EXPECT_EQ(run.design.inputs.powerHp, 0.0);  // the empty field is not read
    EXPECT_EQ(run.design.inputs.speedRpm, 0.0);
    EXPECT_EQ(run.design.sizing.diameterCm, 120.0);
    EXPECT_EQ(run.design.sizing.pitchM, 0.6);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_TRUE(run.fieldWrites.empty());
}

// The pitch is written as "0,00", and the geometry step, reading it again, falls back: the
// message arises after the sizing's two writes, before the fallback.
TEST_F(Run, ARoundedToZeroPitchFallsBackInTheGeometryStep) {
    const CalculationOutcome run = runCalculation(
        startTextsWith({{InputField::DesignSpeed, "1"}, {InputField::PropellerSpeed, "10000"}}),
        InputMode::Calculated);
    EXPECT_EQ(messageTexts(run.messages),
              std::vector<std::string>{"Необходимо ввести параметр шаг винта больше нуля"});
    EXPECT_EQ(run.messages[0].writesBefore, 2u);
    ASSERT_EQ(run.fieldWrites.size(), 3u);
    EXPECT_EQ(run.fieldWrites[1].text, "0,00");
    EXPECT_EQ(run.fieldTexts[fieldIndex(InputField::Pitch)], "0,20");
    EXPECT_EQ(run.design.sizing.pitchM, 0.2);
    EXPECT_TRUE(run.completed());
}

TEST_F(Run, AFailureEndsTheRunAndKeepsWhatWasAssignedBefore) {
    const PropellerDesign before = runCalculation(startTextsWith(), InputMode::Calculated).design;
    const CalculationOutcome run = runCalculation(
        startTextsWith({{InputField::Power, "20"}, {InputField::MaxSpeed, "5O"}}),  // a letter O
        InputMode::Calculated, before);
    EXPECT_EQ(run.end, RunEnd::NotANumber);
    EXPECT_EQ(run.notANumberField, InputField::MaxSpeed);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.design.inputs.powerHp, 20.0);  // assigned before the failure
    EXPECT_EQ(run.design.stations.bladeWidthM, before.stations.bladeWidthM);

    const CalculationOutcome fault = runCalculation(
        startTextsWith({{InputField::PropellerSpeed, "1E-308"}}), InputMode::Calculated);
    EXPECT_EQ(fault.end, RunEnd::ArithmeticFault);
    EXPECT_FALSE(fault.notANumberField);
    EXPECT_EQ(fault.failure, "Число вне допустимого диапазона");
}

TEST_F(Run, APointLocaleCalculatesWithItsOwnTexts) {
    ScopedSeparator point('.');
    const CalculationOutcome run = runCalculation(startTexts(), InputMode::ByDiameter);
    EXPECT_EQ(run.fieldTexts[fieldIndex(InputField::Pitch)], "0.52");
    EXPECT_EQ(run.design.sizing.diameterCm, 151.7);
    EXPECT_TRUE(run.completed());
}

}  // namespace
}  // namespace kelvarin
