// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kelvarin {

// Numbers are read and written with the decimal separator of the user's locale, asked for at
// the moment of each conversion. The program points this at its locale; tests set what they
// need. The C library's locale is never consulted.
using DecimalSeparatorSource = char (*)();

// Installs the source; nullptr restores the built-in comma.
void setDecimalSeparatorSource(DecimalSeparatorSource source);

char decimalSeparator();

// Writes a built-in number text, spelt with a comma, with the current separator instead.
std::string localizeDecimalText(std::string_view commaText);

}  // namespace kelvarin
