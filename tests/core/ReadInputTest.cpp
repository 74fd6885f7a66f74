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
    ReadInput(w, InputField::Dv, member);
    EXPECT_EQ(member, 151.7);
    EXPECT_TRUE(w.messages.empty());
}

TEST(ReadInput, EmptyOrZeroBringsTheMessageAndTheFallback) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    double member = 0;
    w.texts[InputField::Nd] = "";
    ReadInput(w, InputField::Nd, member);
    EXPECT_EQ(w.messages, std::vector<std::string>{
                              "Необходимо ввести параметр мощность двигателя больше нуля"});
    EXPECT_EQ(w.texts[InputField::Nd], "14");
    EXPECT_EQ(member, 14.0);

    for (const char* zero : {"0", "0,0", ",", "-0", "1E-400"}) {
        RecordingWindow z;
        z.texts[InputField::Hv] = zero;
        ReadInput(z, InputField::Hv, member);
        EXPECT_EQ(z.messages,
                  std::vector<std::string>{"Необходимо ввести параметр шаг винта больше нуля"})
            << zero;
        EXPECT_EQ(z.texts[InputField::Hv], "0,20");
        EXPECT_EQ(member, 0.2);
    }
}

TEST(ReadInput, EveryFieldHasItsOwnMessageAndFallback) {
    ScopedSeparator comma(',');
    const std::pair<InputField, const char*> fallbacks[] = {
        {InputField::Dv, "127"},  {InputField::Hv, "0,20"}, {InputField::Nd, "14"},
        {InputField::Nv, "2300"}, {InputField::Vm, "50"},   {InputField::Vr, "40"}};
    for (const auto& [field, fallback] : fallbacks) {
        RecordingWindow w;
        w.texts[field].assign(1, '0');  // not = "0": GCC 12 -O3 warns falsely (-Wrestrict)
        double member = 0;
        ReadInput(w, field, member);
        EXPECT_EQ(w.texts[field], fallback);
        ASSERT_EQ(w.messages.size(), 1u);
        EXPECT_EQ(w.messages[0], EmptyFieldMessage(field));
    }
    EXPECT_EQ(EmptyFieldMessage(InputField::Vm),
              "Необходимо ввести параметр скрорость максимальная больше нуля");
    EXPECT_EQ(EmptyFieldMessage(InputField::Vr),
              "Необходимо ввести параметр скрорость расчетная больше нуля");
}

TEST(ReadInput, ANegativeNumberPassesTheZeroTest) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    w.texts[InputField::Dv] = "-5";
    double member = 0;
    ReadInput(w, InputField::Dv, member);
    EXPECT_EQ(member, -5.0);
    EXPECT_TRUE(w.messages.empty());
}

TEST(ReadInput, ANonNumberFailsAndKeepsTheMember) {
    ScopedSeparator comma(',');
    RecordingWindow w;
    w.texts[InputField::Nv] = "   ";  // spaces only are not empty
    double member = 7;
    EXPECT_THROW(ReadInput(w, InputField::Nv, member), ConversionError);
    EXPECT_EQ(member, 7.0);
    EXPECT_TRUE(w.messages.empty());
}

// Under a point locale the built-in texts are written with a point, so they read back.
TEST(ReadInput, BuiltInTextsFollowTheLocale) {
    ScopedSeparator point('.');
    EXPECT_EQ(StartText(InputField::Dv), "151.7");
    EXPECT_EQ(StartText(InputField::Hv), "0.52");
    EXPECT_EQ(FallbackText(InputField::Hv), "0.20");
    EXPECT_EQ(FallbackText(InputField::Dv), "127");
    RecordingWindow w;
    w.texts[InputField::Hv] = "0";
    double member = 0;
    ReadInput(w, InputField::Hv, member);
    EXPECT_EQ(w.texts[InputField::Hv], "0.20");
    EXPECT_EQ(member, 0.2);
}

}  // namespace
}  // namespace kelvarin
