// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadInput.h"

#include <gtest/gtest.h>

#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin {
namespace {

using testing::messageTexts;
using testing::ScopedSeparator;
using testing::startTextsWith;

TEST(ReadInput, ANumberIsReadWithoutAMessage) {
    ScopedSeparator comma(',');
    FieldSheet fields(startTextsWith({{InputField::Diameter, "151,7"}}));
    EXPECT_EQ(readInput(fields, InputField::Diameter), 151.7);
    EXPECT_TRUE(fields.messages().empty());
    EXPECT_TRUE(fields.writes().empty());
}

TEST(ReadInput, EmptyZeroOrNegativeBringsTheMessageAndTheFallback) {
    ScopedSeparator comma(',');
    FieldSheet empty(startTextsWith({{InputField::Power, ""}}));
    EXPECT_EQ(readInput(empty, InputField::Power), 14.0);
    EXPECT_EQ(
        messageTexts(empty.messages()),
        std::vector<std::string>{"Необходимо ввести параметр мощность двигателя больше нуля"});
    EXPECT_EQ(empty.text(InputField::Power), "14");
    // The message comes before the fallback is written.
    EXPECT_EQ(empty.messages()[0].writesBefore, 0u);
    ASSERT_EQ(empty.writes().size(), 1u);

    for (const char* zero : {"0", "0,0", ",", "-0", "1E-400", "-0,5", "-1E300"}) {
        FieldSheet z(startTextsWith({{InputField::Pitch, zero}}));
        EXPECT_EQ(readInput(z, InputField::Pitch), 0.2) << zero;
        EXPECT_EQ(messageTexts(z.messages()),
                  std::vector<std::string>{"Необходимо ввести параметр шаг винта больше нуля"});
        EXPECT_EQ(z.text(InputField::Pitch), "0,20");
    }
}

TEST(ReadInput, EveryFieldHasItsOwnMessageAndFallback) {
    ScopedSeparator comma(',');
    const std::pair<InputField, const char*> fallbacks[] = {
        {InputField::Diameter, "127"}, {InputField::Pitch, "0,20"},
        {InputField::Power, "14"},     {InputField::PropellerSpeed, "2300"},
        {InputField::MaxSpeed, "50"},  {InputField::DesignSpeed, "40"}};
    for (const auto& [field, fallback] : fallbacks) {
        FieldSheet fields(startTextsWith({{field, "0"}}));
        readInput(fields, field);
        EXPECT_EQ(fields.text(field), fallback);
        ASSERT_EQ(fields.messages().size(), 1u);
        EXPECT_EQ(fields.messages()[0].text, emptyFieldMessage(field));
        EXPECT_EQ(fields.messages()[0].field, field);
    }
    EXPECT_EQ(emptyFieldMessage(InputField::MaxSpeed),
              "Необходимо ввести параметр скрорость максимальная больше нуля");
    EXPECT_EQ(emptyFieldMessage(InputField::DesignSpeed),
              "Необходимо ввести параметр скрорость расчетная больше нуля");
}

TEST(ReadInput, ANonNumberFailsNamingItsField) {
    ScopedSeparator comma(',');
    FieldSheet fields(startTextsWith({{InputField::PropellerSpeed, "   "}}));  // not empty
    try {
        readInput(fields, InputField::PropellerSpeed);
        FAIL() << "expected FieldNotANumber";
    } catch (const FieldNotANumber& e) {
        EXPECT_EQ(e.field(), InputField::PropellerSpeed);
    }
    EXPECT_TRUE(fields.messages().empty());
}

// Under a point locale the built-in texts are written with a point, so they read back.
TEST(ReadInput, BuiltInTextsFollowTheLocale) {
    ScopedSeparator point('.');
    EXPECT_EQ(startText(InputField::Diameter), "151.7");
    EXPECT_EQ(startText(InputField::Pitch), "0.52");
    EXPECT_EQ(fallbackText(InputField::Pitch), "0.20");
    EXPECT_EQ(fallbackText(InputField::Diameter), "127");
    FieldSheet fields(startTextsWith({{InputField::Pitch, "0"}}));
    EXPECT_EQ(readInput(fields, InputField::Pitch), 0.2);
    EXPECT_EQ(fields.text(InputField::Pitch), "0.20");
}

}  // namespace
}  // namespace kelvarin
