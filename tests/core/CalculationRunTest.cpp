// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include <gtest/gtest.h>

#include "core/TextToNumber.h"
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

// The manual mode sizes nothing, yet its engine and flight are read as the calculation reads a
// number, a text that is none missing, and nothing of it reaches the fields or the messages. The
// sized modes give what the sizing used, by diameter the rpm unrounded.
TEST_F(Run, EveryModeReadsItsEngineAndFlightOnce) {
    const CalculationOutcome manual =
        runCalculation(startTextsWith({{InputField::Power, ""},
                                       {InputField::MaxSpeed, "5x"},
                                       {InputField::DesignSpeed, "35,5"}}),
                       InputMode::Manual);
    EXPECT_TRUE(manual.completed());
    EXPECT_TRUE(manual.messages.empty());
    EXPECT_TRUE(manual.fieldWrites.empty());
    EXPECT_EQ(manual.engine.enginePowerHp, std::nullopt);
    EXPECT_EQ(manual.engine.rpm, 2300.0);
    EXPECT_EQ(manual.engine.maxSpeedKmh, std::nullopt);
    EXPECT_EQ(manual.engine.designSpeedKmh, 35.5);

    const CalculationOutcome byDiameter = runCalculation(startTextsWith(), InputMode::ByDiameter);
    ASSERT_TRUE(byDiameter.completed());
    EXPECT_EQ(byDiameter.engine.rpm, byDiameter.design.inputs.speedRpm);
    EXPECT_NE(byDiameter.engine.rpm,
              textToNumber(byDiameter.fieldTexts[fieldIndex(InputField::PropellerSpeed)]));
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

    const CalculationOutcome fault =
        runCalculation(startTextsWith({{InputField::Power, "-14"}}), InputMode::Calculated);
    EXPECT_EQ(fault.end, RunEnd::ArithmeticFault);
    EXPECT_FALSE(fault.notANumberField);
    EXPECT_EQ(fault.failure, "Недопустимая арифметическая операция");
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
