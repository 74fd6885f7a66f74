// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "report/Windows1251.h"

namespace kelvarin {
namespace {

TEST(Windows1251, CyrillicTakesOneByteEachAndAsciiStaysAsItIs) {
    Windows1251Encoder encoder;
    EXPECT_EQ(encoder.encode("Yн"), "Y\xED");
    EXPECT_EQ(encoder.encode("АЯая Ёё №"), "\xC0\xDF\xE0\xFF \xA8\xB8 \xB9");
    EXPECT_EQ(encoder.encode("<td width=\"50\">12,5</td>"), "<td width=\"50\">12,5</td>");
    EXPECT_EQ(encoder.encode(""), "");
}

TEST(Windows1251, TextWithoutACodeIsAnErrorNeverAQuestionMark) {
    Windows1251Encoder encoder;
    std::string out = "kept";
    EXPECT_THROW(encoder.append(out, "Угол α"), EncodingError);
    EXPECT_EQ(out, "kept");
    EXPECT_THROW(encoder.encode("\xFF\xFE"), EncodingError);  // not UTF-8
    EXPECT_THROW(encoder.encode("см\xD0"), EncodingError);    // cut inside a character
    // The converter is usable again after a failure.
    encoder.append(out, " см");
    EXPECT_EQ(out, "kept \xF1\xEC");
}

}  // namespace
}  // namespace kelvarin
