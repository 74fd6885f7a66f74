// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextToNumber.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/Failure.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

using testing::ScopedSeparator;

TEST(TextToNumber, ReadsTheGrammar) {
    ScopedSeparator comma(',');
    EXPECT_EQ(textToNumber("151,7"), 151.7);
    EXPECT_EQ(textToNumber("  14  "), 14.0);
    EXPECT_EQ(textToNumber("+2300"), 2300.0);
    EXPECT_EQ(textToNumber("-0,52"), -0.52);
    EXPECT_EQ(textToNumber("5,"), 5.0);
    EXPECT_EQ(textToNumber(",5"), 0.5);
    EXPECT_EQ(textToNumber("1E3"), 1000.0);
    EXPECT_EQ(textToNumber("1e-3"), 0.001);
    EXPECT_EQ(textToNumber("2,5E+2"), 250.0);
    EXPECT_EQ(textToNumber("3E04"), 30000.0);
    EXPECT_EQ(textToNumber("5,2915E7"), 52915000.0);
    EXPECT_EQ(textToNumber("000123,4500"), 123.45);
    EXPECT_EQ(textToNumber("0,1"), 0.1);  // correctly rounded
    EXPECT_EQ(textToNumber("1,7976931348623157E308"), 1.7976931348623157E308);
}

TEST(TextToNumber, ASeparatorAloneIsZero) {
    ScopedSeparator comma(',');
    EXPECT_EQ(textToNumber(","), 0.0);
    EXPECT_EQ(textToNumber(" , "), 0.0);
    EXPECT_EQ(textToNumber("-,"), 0.0);
    EXPECT_TRUE(std::signbit(textToNumber("-0")));
    EXPECT_EQ(textToNumber(",E5"), 0.0);
}

TEST(TextToNumber, RefusesWhatIsNotANumber) {
    ScopedSeparator comma(',');
    for (const char* text :
         {"",     " ",   "+",    "-",   "E5",  "1E",    "1E+",  "abc", "1.5", "1,5,",  "1 5",
          "1,,5", "--1", "1e5e", "\t1", "1\t", "1 000", "0x10", "inf", "nan", "1,5 x", ",,"}) {
        EXPECT_THROW(textToNumber(text), ConversionError) << '"' << text << '"';
    }
}

TEST(TextToNumber, FollowsTheCurrentSeparator) {
    ScopedSeparator point('.');
    EXPECT_EQ(textToNumber("151.7"), 151.7);
    EXPECT_EQ(textToNumber("."), 0.0);
    EXPECT_THROW(textToNumber("151,7"), ConversionError);
    EXPECT_THROW(textToNumber("0,20"), ConversionError);
}

TEST(TextToNumber, RangeLimits) {
    ScopedSeparator comma(',');
    EXPECT_THROW(textToNumber("1E309"), ConversionError);
    EXPECT_THROW(textToNumber("-1E309"), ConversionError);
    EXPECT_THROW(textToNumber("1,8E308"), ConversionError);
    EXPECT_THROW(textToNumber("1E99999999999999999999999"), ConversionError);
    EXPECT_EQ(textToNumber("1E-400"), 0.0);  // underflow to zero is no failure
    EXPECT_EQ(textToNumber("1E-99999999999999999999999"), 0.0);
    EXPECT_EQ(textToNumber("4,9406564584124654E-324"), 4.9406564584124654E-324);
    EXPECT_EQ(textToNumber("0,000000000000000000001E321"), 1e300);
    EXPECT_EQ(textToNumber(std::string(5000, '0') + "1"), 1.0);
    EXPECT_EQ(textToNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_THROW(textToNumber("1" + std::string(400, '0')), ConversionError);
}

}  // namespace
}  // namespace kelvarin
