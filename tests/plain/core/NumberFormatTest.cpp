// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/TextToNumber.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

using testing::ScopedSeparator;

struct FixedCase {
    double value;
    int precision;
    int decimals;
    const char* text;
};

TEST(FormatFixed, WorkedExamplesUnderACommaLocale) {
    ScopedSeparator comma(',');
    const FixedCase cases[] = {
        {151.6833, 5, 1, "151,7"}, {0.52174, 1, 2, "0,52"},   {1.234, 1, 2, "1,20"},
        {0.003, 1, 2, "0,00"},     {2299.4, 5, 0, "2299"},    {123456.7, 5, 0, "1,2346E5"},
        {151.7, 3, 1, "152,0"},    {0.52, 1, 2, "0,52"},      {14, 3, 1, "14,0"},
        {2300, 5, 0, "2300"},      {0.25, 4, 1, "0,3"},       {0.04, 3, 1, "0,0"},
        {12.5, 1, 2, "13,00"},     {99.9, 1, 2, "1E02"},      {1500, 3, 1, "1,5E3"},
        {29970, 1, 2, "3E04"},     {7274.27, 5, 1, "7274,3"}, {52915026.2, 5, 0, "5,2915E7"},
        {12500, 4, 1, "1,25E4"},   {7585, 4, 1, "7585,0"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.precision, c.decimals), c.text)
            << c.value << " p" << c.precision << " d" << c.decimals;
    }
}

TEST(FormatFixed, HalvesRoundAwayFromZeroOnTheEighteenDigitExpansion) {
    ScopedSeparator comma(',');
    EXPECT_EQ(formatFixed(0.125, 5, 2), "0,13");    // exact half
    EXPECT_EQ(formatFixed(-0.125, 5, 2), "-0,13");  // away from zero, not up
    EXPECT_EQ(formatFixed(2.5, 5, 0), "3");         // not to even
    EXPECT_EQ(formatFixed(3.5, 5, 0), "4");
    EXPECT_EQ(formatFixed(2.675, 5, 2), "2,67");    // held as 2.67499999999999982...
    EXPECT_EQ(formatFixed(1.005, 5, 2), "1,00");    // held as 1.00499999999999989...
    EXPECT_EQ(formatFixed(0.15, 5, 1), "0,1");      // held as 0.149999999999999994...
    EXPECT_EQ(formatFixed(75.85, 4, 1), "75,8");    // 151.7 / 2, just below the half
    EXPECT_EQ(formatFixed(9.995, 3, 2), "9,99");    // 9.99499999999999922...
    EXPECT_EQ(formatFixed(9.9951, 3, 2), "10,00");  // carry adds a digit, precision wins
}

TEST(FormatFixed, PrecisionAndDecimalsCutTogether) {
    ScopedSeparator comma(',');
    EXPECT_EQ(formatFixed(1.234, 1, 2), "1,20");  // precision 1 acts as 2
    EXPECT_EQ(formatFixed(1.234, 2, 2), "1,20");
    EXPECT_EQ(formatFixed(0.006, 5, 2), "0,01");  // the first digit itself rounds up
    EXPECT_EQ(formatFixed(0.0049, 5, 2), "0,00");
    EXPECT_EQ(formatFixed(0.0006, 5, 2), "0,00");        // below the first kept place
    EXPECT_EQ(formatFixed(999.96, 4, 1), "1000,0");      // carry into a fourth integer digit
    EXPECT_EQ(formatFixed(99999.6, 5, 0), "1E5");        // carry past the precision: general form
    EXPECT_EQ(formatFixed(123456.7, 5, 7), "1,2346E5");  // decimals above 4: no padding
    EXPECT_EQ(formatFixed(5, 5, 0), "5");
    EXPECT_EQ(formatFixed(0.5, 5, 0), "1");
    EXPECT_EQ(formatFixed(0.49, 5, 0), "0");
}

TEST(FormatFixed, ZeroAndSigns) {
    ScopedSeparator comma(',');
    EXPECT_EQ(formatFixed(0.0, 4, 1), "0,0");
    EXPECT_EQ(formatFixed(-0.0, 4, 1), "0,0");
    EXPECT_EQ(formatFixed(-0.001, 1, 2), "0,00");  // rounds to zero, loses its sign
    EXPECT_EQ(formatFixed(-0.52174, 1, 2), "-0,52");
    EXPECT_EQ(formatFixed(-123456.7, 5, 0), "-1,2346E5");
    EXPECT_EQ(formatFixed(0, 5, 0), "0");
}

TEST(FormatFixed, WritesTheCurrentSeparator) {
    ScopedSeparator point('.');
    EXPECT_EQ(formatFixed(151.6833, 5, 1), "151.7");
    EXPECT_EQ(formatFixed(123456.7, 5, 0), "1.2346E5");
}

TEST(FormatGeneral, WorkedExamples) {
    ScopedSeparator comma(',');
    EXPECT_EQ(formatGeneral(0.2, 15, 0), "0,2");
    EXPECT_EQ(formatGeneral(151.7, 15, 0), "151,7");
    EXPECT_EQ(formatGeneral(0.00005, 15, 0), "5E-5");
    EXPECT_EQ(formatGeneral(1.5E20, 15, 0), "1,5E20");
    EXPECT_EQ(formatGeneral(1.0, 15, 0), "1");
    EXPECT_EQ(formatGeneral(0.1, 15, 0), "0,1");
    EXPECT_EQ(formatGeneral(0.7, 15, 0), "0,7");
}

TEST(FormatGeneral, SwitchToTheScientificForm) {
    ScopedSeparator comma(',');
    EXPECT_EQ(formatGeneral(0.0001, 15, 0), "0,0001");  // E = -3: still plain
    EXPECT_EQ(formatGeneral(0.00001234, 15, 0), "1,234E-5");
    EXPECT_EQ(formatGeneral(1e15, 15, 0), "1E15");  // 16 integer digits > 15
    EXPECT_EQ(formatGeneral(1e14, 15, 0), "100000000000000");
    EXPECT_EQ(formatGeneral(123456789012345.6, 15, 0), "123456789012346");
    EXPECT_EQ(formatGeneral(1e16, 15, 0), "1E16");
    EXPECT_EQ(formatGeneral(-2.5e-7, 15, 3), "-2,5E-007");
    EXPECT_EQ(formatGeneral(99.9, 2, 2), "1E02");
    EXPECT_EQ(formatGeneral(0.0, 15, 0), "0");
    EXPECT_EQ(formatGeneral(-0.0, 15, 0), "0");
    EXPECT_EQ(formatGeneral(-151.7, 15, 0), "-151,7");
    EXPECT_EQ(formatGeneral(0.1 + 0.2, 15, 0), "0,3");
    EXPECT_EQ(formatGeneral(0.1 + 0.2, 18, 0), "0,300000000000000044");
}

TEST(FormatGeneral, NonFiniteValuesAreNamed) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity(), 15, 0), "INF");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 5, 1), "-INF");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 1), "NAN");
}

// The plain form read back gives the value again to 15 significant digits, whatever the value.
TEST(NumberForms, RoundTripThroughTextToNumber) {
    for (char separator : {',', '.'}) {
        ScopedSeparator scoped(separator);
        std::mt19937_64 random(20261207);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> exponent(-300, 300);
        for (int i = 0; i < 20000; ++i) {
            const double x = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
            const double back = textToNumber(formatGeneral(x, 15, 0));
            ASSERT_NEAR(back, x, std::fabs(x) * 1e-14) << formatGeneral(x, 15, 0);
            const double exact = textToNumber(formatGeneral(x, 17, 0));
            ASSERT_EQ(exact, x) << formatGeneral(x, 17, 0);
            const std::string fixed = formatFixed(x, 18, 2);
            const double fixedBack = textToNumber(fixed);
            ASSERT_NEAR(fixedBack, x, std::max(std::fabs(x) * 1e-15, 0.005)) << fixed;
        }
    }
}

}  // namespace
}  // namespace kelvarin
