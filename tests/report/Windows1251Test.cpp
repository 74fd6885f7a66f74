// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "report/Windows1251.h"

namespace kelvarin {
namespace {

TEST(Windows1251, CyrillicTakesOneByteEachAndAsciiStaysAsItIs) {
    Windows1251Encoder encoder;
    EXPECT_EQ(encoder.Encode("Yн"), "Y\xED");
    EXPECT_EQ(encoder.Encode("АЯая Ёё №"), "\xC0\xDF\xE0\xFF \xA8\xB8 \xB9");
    EXPECT_EQ(encoder.Encode("<td width=\"50\">12,5</td>"), "<td width=\"50\">12,5</td>");
    EXPECT_EQ(encoder.Encode(""), "");
}

TEST(Windows1251, TextWithoutACodeIsAnErrorNeverAQuestionMark) {
    Windows1251Encoder encoder;
    std::string out = "kept";
    EXPECT_THROW(encoder.Append(out, "Угол α"), EncodingError);
    EXPECT_EQ(out, "kept");
    EXPECT_THROW(encoder.Encode("\xFF\xFE"), EncodingError);  // not UTF-8
    EXPECT_THROW(encoder.Encode("см\xD0"), EncodingError);    // cut inside a character
    // The converter is usable again after a failure.
    encoder.Append(out, " см");
    EXPECT_EQ(out, "kept \xF1\xEC");
}

}  // namespace
}  // namespace kelvarin
