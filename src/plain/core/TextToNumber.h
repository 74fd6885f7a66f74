// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kelvarin {

// Reads a number as the user typed it: leading spaces, an optional sign, digits with at most
// one decimal separator (the current one, DecimalSeparator.h), an optional exponent ("E" or
// "e", optional sign, digits), trailing spaces, nothing else. A separator alone reads as 0.
// Throws ConversionError for anything else and for a value beyond the double range; a value
// too small for a double reads as zero.
double textToNumber(std::string_view text);

}  // namespace kelvarin
