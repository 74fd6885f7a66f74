// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kelvarin {

// A number as a message in the chosen language writes it: `decimals` digits after the
// language's decimal mark (a comma in Russian, a point in English), whatever the locale's
// separator in the fields; a true minus sign. A number too large to read in full (from 1e15 on)
// is written with six digits and its power of ten, "1e308", never with hundreds of digits.
std::string numberInMessage(double value, int decimals);

// What the user wrote, as a message quotes it: control characters shown as '?', and cut after
// kShownTextBytes at a whole UTF-8 character, with "…" where it was cut.
inline constexpr std::size_t kShownTextBytes = 60;
std::string shownText(std::string_view text);

}  // namespace kelvarin
