// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include <gtest/gtest.h>

#include "core/TextToNumber.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin {
namespace {

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

// A result that rounds to zero in its read-only field cannot be fixed there: the message names
// the inputs of the mode instead, after the result's write and before the fallback's.
TEST_F(Run, AResultRoundedToZeroNamesTheInputsToChange) {
    struct Case {
        std::initializer_list<std::pair<InputField, std::string>> changed;
        InputMode mode;
        InputField field;
        const char* message;
        std::size_t writesBefore;
    };
    const Case cases[] = {
        {{{InputField::DesignSpeed, "1"}, {InputField::PropellerSpeed, "10000"}},
         InputMode::Calculated,
         InputField::Pitch,
         "Рассчитанный шаг винта округляется до нуля: увеличьте скорость расчетную или "
         "уменьшите частоту вращения винта",
         2},
        {{{InputField::Power, "1E-14"}},
         InputMode::Calculated,
         InputField::Diameter,
         "Рассчитанный диаметр винта округляется до нуля: увеличьте мощность двигателя или "
         "уменьшите частоту вращения винта или скорость максимальную",
         1},
        {{{InputField::Diameter, "5"}},
         InputMode::ByDiameter,
         InputField::Pitch,
         "Рассчитанный шаг винта округляется до нуля: увеличьте диаметр винта, скорость "
         "расчетную или скорость максимальную либо уменьшите мощность двигателя",
         2},
    };
    for (const Case& c : cases) {
        const CalculationOutcome run = runCalculation(startTextsWith(c.changed), c.mode);
        EXPECT_TRUE(run.completed()) << c.message;
        ASSERT_EQ(run.messages.size(), 1u) << c.message;
        EXPECT_EQ(run.messages[0].text, c.message);
        EXPECT_EQ(run.messages[0].field, c.field);
        EXPECT_EQ(run.messages[0].writesBefore, c.writesBefore) << c.message;
        EXPECT_EQ(run.fieldWrites[c.writesBefore - 1].text,
                  c.field == InputField::Pitch ? "0,00" : "0,0");
        EXPECT_EQ(run.fieldTexts[fieldIndex(c.field)], fallbackText(c.field));
    }
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
