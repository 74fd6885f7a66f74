// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/BladePitchNote.h"
#include "core/CalculationRun.h"
#include "core/SanityLine.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin::testing {
namespace {

std::optional<SanityFigures> FiguresOf(const FieldTexts& texts, InputMode mode) {
    const CalculationOutcome run = runCalculation(texts, mode);
    EXPECT_TRUE(run.completed());
    return sanityFigures(run.design, run.engine);
}

TEST(SanityLine, TheStartDesignAtItsDesignSpeed) {
    ScopedSeparator comma(',');
    // D 1.517 m at 2300 rev/min: the tip circles at pi * 1.517 * 2300 / 60 = 182.69 m/s, and
    // with 40 km/h (11.11 m/s) of flight moves at 183.03 m/s; 11.11 / (38.33 * 1.517) = 0.191.
    const auto figures = FiguresOf(startTexts(), InputMode::Calculated);
    ASSERT_TRUE(figures);
    EXPECT_NEAR(figures->tipSpeedMs, 183.03, 0.01);
    EXPECT_NEAR(figures->tipMach, 183.03 / 340, 0.0001);
    EXPECT_NEAR(figures->advanceRatio, 0.1911, 0.0001);
    EXPECT_FALSE(tipTooFast(*figures));
    EXPECT_EQ(sanityLineText(figures),
              "Скорость конца лопасти 183 м/с (число Маха 0,54), относительная поступь V/(nD) "
              "0,19");
    // By diameter the speed is the computed 2299.36 rev/min the record keeps, not the field's
    // 2299, which would give 182.947 m/s.
    const auto byDiameter = FiguresOf(startTexts(), InputMode::ByDiameter);
    ASSERT_TRUE(byDiameter);
    EXPECT_NEAR(byDiameter->tipSpeedMs, 182.976, 0.001);
}

TEST(SanityLine, TheBladePitchIsNotedWhereItDiffersFromTheField) {
    ScopedSeparator comma(',');
    const auto note = [](BladeAngleRule rule, double engineHelixM) {
        PropellerDesign design;
        design.angles = {rule, engineHelixM};
        return bladePitchNote(runCalculation(startTexts(), InputMode::Calculated, design).design);
    };
    EXPECT_EQ(note(BladeAngleRule::Rule, 0), "Шаг лопасти 1,04 м (в поле 0,52 м)");
    EXPECT_EQ(note(BladeAngleRule::Pitch, 0), "");
    EXPECT_EQ(note(BladeAngleRule::Engine, 0.4681),
              "Шаг лопасти 0,47 м, подобран под двигатель (в поле 0,52 м)");
    EXPECT_EQ(bladePitchNote(PropellerDesign{}), "");  // nothing calculated yet
}

TEST(SanityLine, AFastTipIsFlaggedWithTheReason) {
    ScopedSeparator comma(',');
    // 2 m at 3000 rev/min: 314 m/s at the tip before any flight speed, Mach 0.93.
    const auto figures = FiguresOf(startTextsWith({{InputField::Diameter, "200"},
                                                   {InputField::Pitch, "0,8"},
                                                   {InputField::PropellerSpeed, "3000"}}),
                                   InputMode::Manual);
    ASSERT_TRUE(figures);
    EXPECT_TRUE(tipTooFast(*figures));
    const std::string why = sanityExplanation(figures);
    EXPECT_NE(why.find("выше 0,85"), std::string::npos) << why;
    EXPECT_NE(why.find("шумит"), std::string::npos);
    EXPECT_NE(why.find("КПД"), std::string::npos);
}

TEST(SanityLine, TheManualModeReadsItsSpeedsFromTheFieldsOrSaysWhatIsMissing) {
    ScopedSeparator comma(',');
    const auto unreadable =
        FiguresOf(startTextsWith({{InputField::PropellerSpeed, ""}}), InputMode::Manual);
    EXPECT_FALSE(unreadable);
    EXPECT_NE(sanityLineText(unreadable).find("не оценить"), std::string::npos);
    const auto standing =
        FiguresOf(startTextsWith({{InputField::DesignSpeed, "0"}}), InputMode::Manual);
    ASSERT_TRUE(standing);
    EXPECT_EQ(standing->advanceRatio, 0);
}

}  // namespace
}  // namespace kelvarin::testing
