// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvarin {

// Numbers as text independent of the process locale (a Qt program switches the C locale to the
// user's): a point for files and machine formats, the language's mark for messages.

// Fixed notation with `decimals` digits after the point; "-0" is written "0".
std::string pointNumber(double value, int decimals);

// At most `decimals` digits after a decimal comma (a point in English), trailing zeros dropped,
// and a true minus sign, as a message writes a number.
std::string russianNumber(double value, int decimals);

// A whole field as a number: an optional sign, digits, one decimal point or comma, an optional
// exponent; surrounding spaces allowed. Nothing else, and nothing that does not fit a double.
std::optional<double> parseNumber(std::string_view text);

}  // namespace kelvarin
