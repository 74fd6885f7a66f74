// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include <gtest/gtest.h>

#include "support/RecordingWindow.h"

namespace kelvarin {
namespace {

using testing::RecordingWindow;
using testing::ScopedSeparator;

class Run : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    RecordingWindow w;
    PropellerDesign d;
};

TEST_F(Run, CalculatedModeRunsEveryStepInOrder) {
    runCalculation(d, w);
    EXPECT_EQ(d.sizing.diameterCm, 151.7);  // read back as shown
    EXPECT_EQ(d.sizing.pitchM, 0.52);
    EXPECT_EQ(w.reports, 1);
    EXPECT_EQ(w.views, 1);
    ASSERT_GE(w.log.size(), 2u);
    EXPECT_EQ(w.log[w.log.size() - 2], "report");
    EXPECT_EQ(w.log.back(), "view");
    EXPECT_TRUE(w.messages.empty());
}

TEST_F(Run, ManualModeSkipsSizing) {
    w.manual = true;
    w.diam = true;
    w.texts[InputField::Diameter] = "120";
    w.texts[InputField::Pitch] = "0,6";
    w.texts[InputField::Power] = "";  // not read in manual mode
    runCalculation(d, w);
    EXPECT_EQ(d.inputs.powerHp, 0.0);
    EXPECT_EQ(d.inputs.speedRpm, 0.0);
    EXPECT_EQ(d.inputs.designSpeedKmh, 0.0);
    EXPECT_EQ(d.inputs.maxSpeedKmh, 0.0);
    EXPECT_EQ(d.sizing.diameterCm, 120.0);
    EXPECT_EQ(d.sizing.pitchM, 0.6);
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.views, 1);
}

TEST_F(Run, ARoundedToZeroPitchFallsBackInTheGeometryStep) {
    w.texts[InputField::DesignSpeed] = "1";
    w.texts[InputField::PropellerSpeed] = "10000";
    runCalculation(d, w);
    EXPECT_EQ(w.messages,
              std::vector<std::string>{"Необходимо ввести параметр шаг винта больше нуля"});
    EXPECT_EQ(w.texts[InputField::Pitch], "0,20");
    EXPECT_EQ(d.sizing.pitchM, 0.2);
    EXPECT_EQ(w.views, 1);
}

TEST_F(Run, AFailureEndsTheRunSilentlyAndKeepsWhatWasDone) {
    runCalculation(d, w);
    const PropellerDesign before = d;
    w.texts[InputField::Power] = "20";
    w.texts[InputField::MaxSpeed] = "5O";  // a letter O
    runCalculation(d, w);
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(d.inputs.powerHp, 20.0);  // assigned before the failure
    EXPECT_EQ(d.stations.bladeWidthM, before.stations.bladeWidthM);
    EXPECT_EQ(w.reports, 1);
    EXPECT_EQ(w.views, 1);
}

TEST_F(Run, APointLocaleCalculatesWithItsOwnTexts) {
    ScopedSeparator point('.');
    RecordingWindow p;  // start texts written under the point locale
    EXPECT_EQ(p.texts[InputField::Diameter], "151.7");
    runCalculation(d, p);
    EXPECT_EQ(p.texts[InputField::Pitch], "0.52");
    EXPECT_EQ(d.sizing.diameterCm, 151.7);
    EXPECT_EQ(p.views, 1);
}

TEST_F(Run, TwoRunsInARowLeaveTheSameDesign) {
    runCalculation(d, w);
    const PropellerDesign first = d;
    runCalculation(d, w);
    EXPECT_EQ(d.sizing.diameterCm, first.sizing.diameterCm);
    EXPECT_EQ(d.stations.bladeAngleDeg, first.stations.bladeAngleDeg);
    EXPECT_EQ(d.profiles[10].upperMm, first.profiles[10].upperMm);
}

}  // namespace
}  // namespace kelvarin
