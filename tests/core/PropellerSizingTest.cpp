// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PropellerSizing.h"

#include <gtest/gtest.h>

#include "core/Failure.h"
#include "support/RecordingWindow.h"

namespace kelvarin {
namespace {

using testing::RecordingWindow;
using testing::ScopedSeparator;

class Sizing : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    RecordingWindow w;
    PropellerDesign d;
};

TEST_F(Sizing, CalculatedModeWorkedExample) {
    sizePropeller(d, w);
    EXPECT_NEAR(d.sizing.diameterCm, 151.679046, 1e-6);
    EXPECT_NEAR(d.sizing.pitchM, 0.521739, 1e-6);
    EXPECT_EQ(w.texts[InputField::Diameter], "151,7");
    EXPECT_EQ(w.texts[InputField::Pitch], "0,52");
    EXPECT_EQ(w.texts[InputField::PropellerSpeed], "2300");
    EXPECT_EQ(d.inputs.powerHp, 14.0);
    EXPECT_EQ(d.inputs.maxSpeedKmh, 50.0);
    EXPECT_EQ(d.inputs.designSpeedKmh, 40.0);
    EXPECT_TRUE(w.messages.empty());
}

TEST_F(Sizing, ByDiameterWorkedExample) {
    w.diam = true;
    sizePropeller(d, w);
    EXPECT_NEAR(d.inputs.speedRpm, 2299.364670, 1e-6);
    EXPECT_NEAR(d.sizing.pitchM, 0.521883, 1e-6);
    EXPECT_EQ(d.sizing.diameterCm, 151.7);
    EXPECT_EQ(w.texts[InputField::PropellerSpeed], "2299");
    EXPECT_EQ(w.texts[InputField::Pitch], "0,52");
    EXPECT_EQ(w.texts[InputField::Diameter], "151,7");
}

TEST_F(Sizing, ResultsTooLongForTheFieldTakeTheExponentForm) {
    w.diam = true;
    w.texts[InputField::Diameter] = "1";
    sizePropeller(d, w);
    EXPECT_NEAR(d.inputs.speedRpm, 52915026.2, 0.1);
    EXPECT_EQ(w.texts[InputField::PropellerSpeed], "5,2915E7");
    EXPECT_EQ(w.texts[InputField::Pitch], "0,00");

    RecordingWindow calc;
    calc.texts[InputField::PropellerSpeed] = "1";
    calc.texts[InputField::DesignSpeed] = "999";
    sizePropeller(d, calc);
    EXPECT_EQ(calc.texts[InputField::Diameter], "7274,3");
    EXPECT_EQ(calc.texts[InputField::Pitch], "3E04");
}

TEST_F(Sizing, ReplacedFieldsAreStillValidatedFirst) {
    w.diam = true;
    w.texts[InputField::PropellerSpeed] = "0";
    sizePropeller(d, w);
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0], "Необходимо ввести параметр число оборотов винта больше нуля");
    // The fallback is written first, then replaced by the computed speed.
    const std::vector<std::string> expected = {
        "message Необходимо ввести параметр число оборотов винта больше нуля", "set 3 2300",
        "set 3 2299", "set 1 0,52"};
    EXPECT_EQ(w.log, expected);
}

TEST_F(Sizing, TwoEmptyFieldsBringTwoMessagesInReadingOrder) {
    w.texts[InputField::Power] = "";
    w.texts[InputField::DesignSpeed] = "";
    sizePropeller(d, w);
    const std::vector<std::string> expected = {
        "Необходимо ввести параметр мощность двигателя больше нуля",
        "Необходимо ввести параметр скрорость расчетная больше нуля"};
    EXPECT_EQ(w.messages, expected);
    EXPECT_EQ(d.inputs.powerHp, 14.0);
    EXPECT_EQ(d.inputs.designSpeedKmh, 40.0);
}

TEST_F(Sizing, ANonNumberStopsAtItsField) {
    w.texts[InputField::PropellerSpeed] = "23.00";
    d.inputs.maxSpeedKmh = 99;
    EXPECT_THROW(sizePropeller(d, w), ConversionError);
    EXPECT_EQ(d.inputs.powerHp, 14.0);      // read before the failure
    EXPECT_EQ(d.inputs.maxSpeedKmh, 99.0);  // not reached
    EXPECT_EQ(w.texts[InputField::Diameter], "151,7");
    EXPECT_TRUE(w.log.empty());
}

TEST_F(Sizing, NegativeInputs) {
    // A negative speed enters squared: a valid diameter and a negative pitch.
    w.texts[InputField::PropellerSpeed] = "-2300";
    sizePropeller(d, w);
    EXPECT_EQ(w.texts[InputField::Diameter], "151,7");
    EXPECT_EQ(w.texts[InputField::Pitch], "-0,52");

    // A negative power makes the root's argument negative: an arithmetic failure before Dv.
    RecordingWindow neg;
    neg.texts[InputField::Power] = "-14";
    PropellerDesign e;
    EXPECT_THROW(sizePropeller(e, neg), ArithmeticError);
    EXPECT_EQ(e.sizing.diameterCm, 151.7);  // as read, not computed
    EXPECT_EQ(neg.texts[InputField::Diameter], "151,7");

    RecordingWindow negDiam;
    negDiam.diam = true;
    negDiam.texts[InputField::MaxSpeed] = "-50";
    EXPECT_THROW(sizePropeller(e, negDiam), ArithmeticError);
    EXPECT_EQ(negDiam.texts[InputField::PropellerSpeed], "2300");
}

// Each product, quotient and root is rounded to the 64-bit mantissa and only the result to a
// double; all-double arithmetic would end one bit lower in the first case, higher in the second.
TEST_F(Sizing, IntermediatesKeepTheWiderMantissa) {
    w.texts[InputField::Power] = "149";
    w.texts[InputField::PropellerSpeed] = "1573";
    w.texts[InputField::MaxSpeed] = "26";
    sizePropeller(d, w);
    EXPECT_EQ(d.sizing.diameterCm, 0x1.861c921552dd3p+8);

    RecordingWindow diam;
    diam.diam = true;
    diam.texts[InputField::Diameter] = "168,5";
    diam.texts[InputField::Power] = "61";
    diam.texts[InputField::MaxSpeed] = "209";
    sizePropeller(d, diam);
    EXPECT_EQ(d.inputs.speedRpm, 0x1.dbb2de9651a58p+10);
}

// A huge given diameter makes the computed speed underflow to zero, which the zero test of the
// field reading never sees: the pitch would divide by it, so the run ends there instead of
// writing an infinite pitch.
TEST_F(Sizing, ASpeedThatUnderflowsToZeroEndsBeforeThePitch) {
    w.diam = true;
    w.texts[InputField::Diameter] = "1E200";
    EXPECT_THROW(sizePropeller(d, w), ArithmeticError);
    EXPECT_EQ(d.inputs.speedRpm, 0.0);
    EXPECT_EQ(w.texts[InputField::PropellerSpeed], "0");
    EXPECT_EQ(d.sizing.pitchM, 0.52);
    EXPECT_EQ(w.texts[InputField::Pitch], "0,52");
}

TEST_F(Sizing, AResultBeyondTheDoubleRangeIsAFailure) {
    w.texts[InputField::Power] = "1E308";
    w.texts[InputField::PropellerSpeed] = "1E-308";
    w.texts[InputField::MaxSpeed] = "1E-308";  // the fourth root is 1E308, times 10000
    EXPECT_THROW(sizePropeller(d, w), ArithmeticError);
    EXPECT_EQ(w.texts[InputField::Diameter], "151,7");

    // Extended intermediates: a product far beyond double range is no failure by itself.
    RecordingWindow big;
    big.texts[InputField::Power] = "1E300";
    big.texts[InputField::PropellerSpeed] = "1E300";
    big.texts[InputField::MaxSpeed] = "1E300";
    sizePropeller(d, big);
    EXPECT_NEAR(d.sizing.diameterCm, 1e4 * 1e-150, 1e-160);
}

}  // namespace
}  // namespace kelvarin
