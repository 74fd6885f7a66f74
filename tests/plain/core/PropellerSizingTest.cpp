// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PropellerSizing.h"

#include <gtest/gtest.h>

#include "core/Failure.h"
#include "core/ReadInput.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin {
namespace {

using testing::messageTexts;
using testing::ScopedSeparator;
using testing::startTextsWith;

constexpr bool kCalculated = false;
constexpr bool kByDiameter = true;

class Sizing : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    PropellerDesign d;

    // Sizes from the start texts with some fields changed; the sheet stays for inspection.
    void Size(std::initializer_list<std::pair<InputField, std::string>> changed, bool byDiameter) {
        fields = FieldSheet(startTextsWith(changed));
        sizePropeller(d, fields, byDiameter);
    }
    const std::string& text(InputField field) const { return fields.text(field); }

    FieldSheet fields{startTextsWith()};
};

TEST_F(Sizing, CalculatedModeWorkedExample) {
    Size({}, kCalculated);
    EXPECT_NEAR(d.sizing.diameterCm, 151.679046, 1e-6);
    EXPECT_NEAR(d.sizing.pitchM, 0.521739, 1e-6);
    EXPECT_EQ(text(InputField::Diameter), "151,7");
    EXPECT_EQ(text(InputField::Pitch), "0,52");
    EXPECT_EQ(text(InputField::PropellerSpeed), "2300");
    EXPECT_EQ(d.inputs.powerHp, 14.0);
    EXPECT_EQ(d.inputs.maxSpeedKmh, 50.0);
    EXPECT_EQ(d.inputs.designSpeedKmh, 40.0);
    EXPECT_TRUE(fields.messages().empty());
}

TEST_F(Sizing, ByDiameterWorkedExample) {
    Size({}, kByDiameter);
    EXPECT_NEAR(d.inputs.speedRpm, 2299.364670, 1e-6);
    EXPECT_NEAR(d.sizing.pitchM, 0.521883, 1e-6);
    EXPECT_EQ(d.sizing.diameterCm, 151.7);
    EXPECT_EQ(text(InputField::PropellerSpeed), "2299");
    EXPECT_EQ(text(InputField::Pitch), "0,52");
    EXPECT_EQ(text(InputField::Diameter), "151,7");
}

TEST_F(Sizing, ResultsTooLongForTheFieldTakeTheExponentForm) {
    Size({{InputField::Diameter, "1"}}, kByDiameter);
    EXPECT_NEAR(d.inputs.speedRpm, 52915026.2, 0.1);
    EXPECT_EQ(text(InputField::PropellerSpeed), "5,2915E7");
    EXPECT_EQ(fields.writes()[1].text, "0,00");  // then its fallback

    Size({{InputField::PropellerSpeed, "1"}, {InputField::DesignSpeed, "999"}}, kCalculated);
    EXPECT_EQ(text(InputField::Diameter), "7274,3");
    EXPECT_EQ(text(InputField::Pitch), "3E04");
}

// What another mode left in a field this mode replaces is never read: the field is read-only
// here, so junk in it would stop every run with no way out.
TEST_F(Sizing, FieldsTheModeReplacesAreNeverRead) {
    Size({{InputField::Diameter, "abc"}, {InputField::Pitch, ""}}, kCalculated);
    EXPECT_EQ(text(InputField::Diameter), "151,7");
    EXPECT_EQ(text(InputField::Pitch), "0,52");
    EXPECT_EQ(fields.writes().size(), 2u);
    EXPECT_TRUE(fields.messages().empty());

    Size({{InputField::PropellerSpeed, "2.300"}, {InputField::Pitch, "0"}}, kByDiameter);
    EXPECT_EQ(text(InputField::PropellerSpeed), "2299");
    EXPECT_EQ(text(InputField::Pitch), "0,52");
    EXPECT_EQ(fields.writes().size(), 2u);
    EXPECT_TRUE(fields.messages().empty());
}

TEST_F(Sizing, TwoEmptyFieldsBringTwoMessagesInReadingOrder) {
    Size({{InputField::Power, ""}, {InputField::DesignSpeed, ""}}, kCalculated);
    const std::vector<std::string> expected = {
        "Необходимо ввести параметр мощность двигателя больше нуля",
        "Необходимо ввести параметр скрорость расчетная больше нуля"};
    EXPECT_EQ(messageTexts(fields.messages()), expected);
    EXPECT_EQ(fields.messages()[1].writesBefore, 1u);  // after the power's fallback
    EXPECT_EQ(d.inputs.powerHp, 14.0);
    EXPECT_EQ(d.inputs.designSpeedKmh, 40.0);
}

TEST_F(Sizing, ANonNumberStopsAtItsField) {
    d.inputs.maxSpeedKmh = 99;
    EXPECT_THROW(Size({{InputField::PropellerSpeed, "23.00"}}, kCalculated), FieldNotANumber);
    EXPECT_EQ(d.inputs.powerHp, 14.0);      // read before the failure
    EXPECT_EQ(d.inputs.maxSpeedKmh, 99.0);  // not reached
    EXPECT_TRUE(fields.writes().empty());
}

// Only a paste brings a minus sign; it gets the field's own word, not an arithmetic fault.
TEST_F(Sizing, ANegativeInputIsRefusedLikeZero) {
    Size({{InputField::Power, "-14"}}, kCalculated);
    EXPECT_EQ(
        messageTexts(fields.messages()),
        std::vector<std::string>{"Необходимо ввести параметр мощность двигателя больше нуля"});
    EXPECT_EQ(text(InputField::Diameter), "151,7");

    Size({{InputField::MaxSpeed, "-50"}}, kByDiameter);
    EXPECT_EQ(text(InputField::MaxSpeed), "50");
    EXPECT_EQ(text(InputField::PropellerSpeed), "2299");
}

// Each product, quotient and root is rounded to the 64-bit mantissa and only the result to a
// double; all-double arithmetic would end one bit lower in the first case, higher in the second.
TEST_F(Sizing, IntermediatesKeepTheWiderMantissa) {
    Size({{InputField::Power, "149"},
          {InputField::PropellerSpeed, "1573"},
          {InputField::MaxSpeed, "26"}},
         kCalculated);
    EXPECT_EQ(d.sizing.diameterCm, 0x1.861c921552dd3p+8);

    Size(
        {{InputField::Diameter, "168,5"}, {InputField::Power, "61"}, {InputField::MaxSpeed, "209"}},
        kByDiameter);
    EXPECT_EQ(d.inputs.speedRpm, 0x1.dbb2de9651a58p+10);
}

// A huge given diameter makes the computed speed underflow to zero, which the zero test of the
// field reading never sees: the pitch would divide by it, so the run ends there instead of
// writing an infinite pitch.
TEST_F(Sizing, ASpeedThatUnderflowsToZeroEndsBeforeThePitch) {
    EXPECT_THROW(Size({{InputField::Diameter, "1E200"}}, kByDiameter), ArithmeticError);
    EXPECT_EQ(d.inputs.speedRpm, 0.0);
    EXPECT_EQ(text(InputField::PropellerSpeed), "0");
    EXPECT_EQ(d.sizing.pitchM, 0.0);  // never read from its field
    EXPECT_EQ(text(InputField::Pitch), "0,52");
}

TEST_F(Sizing, AResultBeyondTheDoubleRangeIsAFailure) {
    // The fourth root is 1E308, times 10000.
    EXPECT_THROW(Size({{InputField::Power, "1E308"},
                       {InputField::PropellerSpeed, "1E-308"},
                       {InputField::MaxSpeed, "1E-308"}},
                      kCalculated),
                 ArithmeticError);
    EXPECT_EQ(text(InputField::Diameter), "151,7");

    // A pitch in range that rounds up beyond it in its field ("1,8E308") could not be read back.
    EXPECT_THROW(Size({{InputField::PropellerSpeed, "1"}, {InputField::DesignSpeed, "5,99E306"}},
                      kCalculated),
                 ArithmeticError);
    EXPECT_EQ(text(InputField::Pitch), "0,52");

    // Extended intermediates: a product far beyond double range is no failure by itself.
    Size({{InputField::Power, "1E300"},
          {InputField::PropellerSpeed, "1E300"},
          {InputField::MaxSpeed, "1E300"}},
         kCalculated);
    EXPECT_NEAR(d.sizing.diameterCm, 1e4 * 1e-150, 1e-160);
}

}  // namespace
}  // namespace kelvarin
