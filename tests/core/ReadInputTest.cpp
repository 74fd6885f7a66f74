// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadInput.h"

#include <gtest/gtest.h>

#include "core/Failure.h"
#include "support/RecordingWindow.h"

namespace kelvarin {
namespace {

using testing::RecordingWindow;
using testing::ScopedSeparator;

TEST(ReadInput, ANumberIsReadWithoutAMessage) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    double member = 0;
    readInput(w, InputField::Diameter, member);
    EXPECT_EQ(member, 151.7);
    EXPECT_TRUE(w.messages.empty());
}

TEST(ReadInput, EmptyOrZeroBringsTheMessageAndTheFallback) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    double member = 0;
    w.texts[InputField::Power] = "";
    readInput(w, InputField::Power, member);
    EXPECT_EQ(w.messages, std::vector<std::string>{
                              "Необходимо ввести параметр мощность двигателя больше нуля"});
    EXPECT_EQ(w.texts[InputField::Power], "14");
    EXPECT_EQ(member, 14.0);

    for (const char* zero : {"0", "0,0", ",", "-0", "1E-400"}) {
        RecordingWindow z;
        z.texts[InputField::Pitch] = zero;
        readInput(z, InputField::Pitch, member);
        EXPECT_EQ(z.messages,
                  std::vector<std::string>{"Необходимо ввести параметр шаг винта больше нуля"})
            << zero;
        EXPECT_EQ(z.texts[InputField::Pitch], "0,20");
        EXPECT_EQ(member, 0.2);
    }
}

TEST(ReadInput, EveryFieldHasItsOwnMessageAndFallback) {
    ScopedSeparator comma(',');
    const std::pair<InputField, const char*> fallbacks[] = {
        {InputField::Diameter, "127"}, {InputField::Pitch, "0,20"},
        {InputField::Power, "14"},     {InputField::PropellerSpeed, "2300"},
        {InputField::MaxSpeed, "50"},  {InputField::DesignSpeed, "40"}};
    for (const auto& [field, fallback] : fallbacks) {
        RecordingWindow w;
        w.texts[field].assign(1, '0');  // not = "0": GCC 12 -O3 warns falsely (-Wrestrict)
        double member = 0;
        readInput(w, field, member);
        EXPECT_EQ(w.texts[field], fallback);
        ASSERT_EQ(w.messages.size(), 1u);
        EXPECT_EQ(w.messages[0], emptyFieldMessage(field));
    }
    EXPECT_EQ(emptyFieldMessage(InputField::MaxSpeed),
              "Необходимо ввести параметр скрорость максимальная больше нуля");
    EXPECT_EQ(emptyFieldMessage(InputField::DesignSpeed),
              "Необходимо ввести параметр скрорость расчетная больше нуля");
}

TEST(ReadInput, ANegativeNumberPassesTheZeroTest) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    w.texts[InputField::Diameter] = "-5";
    double member = 0;
    readInput(w, InputField::Diameter, member);
    EXPECT_EQ(member, -5.0);
    EXPECT_TRUE(w.messages.empty());
}

TEST(ReadInput, ANonNumberFailsAndKeepsTheMember) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    w.texts[InputField::PropellerSpeed] = "   ";  // spaces only are not empty
    double member = 7;
    EXPECT_THROW(readInput(w, InputField::PropellerSpeed, member), ConversionError);
    EXPECT_EQ(member, 7.0);
    EXPECT_TRUE(w.messages.empty());
}

// Under a point locale the built-in texts are written with a point, so they read back.
TEST(ReadInput, BuiltInTextsFollowTheLocale) {
    ScopedSeparator point('.');
    EXPECT_EQ(startText(InputField::Diameter), "151.7");
    EXPECT_EQ(startText(InputField::Pitch), "0.52");
    EXPECT_EQ(fallbackText(InputField::Pitch), "0.20");
    EXPECT_EQ(fallbackText(InputField::Diameter), "127");
    RecordingWindow w;
    w.texts[InputField::Pitch] = "0";
    double member = 0;
    readInput(w, InputField::Pitch, member);
    EXPECT_EQ(w.texts[InputField::Pitch], "0.20");
    EXPECT_EQ(member, 0.2);
}

}  // namespace
}  // namespace kelvarin
