// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/InputFields.h"
#include "core/Translation.h"

namespace kelvarin {

// The longest field text a design may hold. Typing stops at five characters; the longest text
// the calculation writes ("-1,7977E308") has eleven.
inline constexpr std::size_t kMaxFieldTextLength = 24;

// Whether a text could stand in an input field: empty, or what typing or the calculation puts
// there, an optional minus, digits, at most one decimal `separator` after at least one digit,
// then optionally "E", an optional minus and digits. Anything else (letters, spaces, a sign
// "+", the other separator, a second separator) is what the window's filters refuse. Returns
// why not, in the chosen language ("не число: ..."), or an empty string when the text is fine.
std::string fieldTextProblem(std::string_view text, char separator);

// The field's name as its tooltip gives it ("Диаметр винта"), for messages, in the chosen
// language.
std::string fieldName(InputField field);

// Replaces every `from` in a text by `to`: texts travel with a point and are shown with the
// user's separator.
std::string withSeparator(std::string_view text, char from, char to);

}  // namespace kelvarin
