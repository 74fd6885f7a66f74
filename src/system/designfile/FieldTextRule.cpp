// SPDX-License-Identifier: GPL-3.0-or-later
#include "designfile/FieldTextRule.h"
#include "core/Translation.h"

#include <array>

namespace kelvarin {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips digits from `at`; returns how many.
std::size_t skipDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at - start;
}

bool isNumberText(std::string_view text, char separator) {
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        ++at;
    }
    if (skipDigits(text, at) == 0) {
        return false;
    }
    if (at < text.size() && text[at] == separator) {
        ++at;
        skipDigits(text, at);
    }
    if (at < text.size() && text[at] == 'E') {
        ++at;
        if (at < text.size() && text[at] == '-') {
            ++at;
        }
        if (skipDigits(text, at) == 0) {
            return false;
        }
    }
    return at == text.size();
}

// The text as a message may quote it: control characters (a terminal's escape sequences among
// them) become "?".
std::string quotable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            c = '?';
        }
    }
    return shown;
}

}  // namespace

std::string fieldTextProblem(std::string_view text, char separator) {
    if (text.size() > kMaxFieldTextLength) {
        return withArguments(
            translatedText("kelvarin::FieldTextRule",
                           "текст длиной %1 символов, а в поле помещается не больше %2"),
            {std::to_string(text.size()), std::to_string(kMaxFieldTextLength)});
    }
    if (!text.empty() && !isNumberText(text, separator)) {
        return withArguments(
            translatedText("kelvarin::FieldTextRule",
                           "«%1» не число: в поле вводятся только цифры и один знак «%2»"),
            {quotable(text), std::string(1, separator)});
    }
    return {};
}

std::string fieldName(InputField field) {
    static constexpr std::array<const char*, kInputFieldCount> kCaptions = {
        textToTranslate("kelvarin::FieldTextRule", "Диаметр винта"),
        textToTranslate("kelvarin::FieldTextRule", "Шаг винта"),
        textToTranslate("kelvarin::FieldTextRule", "Мощность двигателя"),
        textToTranslate("kelvarin::FieldTextRule", "Частота вращения винта"),
        textToTranslate("kelvarin::FieldTextRule", "Скорость максимальная"),
        textToTranslate("kelvarin::FieldTextRule", "Скорость расчетная")};
    return translatedText("kelvarin::FieldTextRule", kCaptions[fieldIndex(field)]);
}

std::string withSeparator(std::string_view text, char from, char to) {
    std::string result(text);
    for (char& c : result) {
        if (c == from) {
            c = to;
        }
    }
    return result;
}

}  // namespace kelvarin
