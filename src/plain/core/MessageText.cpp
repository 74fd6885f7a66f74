// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageText.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr double kLargestWrittenInFull = 1e15;

}  // namespace

std::string numberInMessage(double value, int decimals) {
    if (std::isnan(value)) {
        return "NaN";
    }
    std::array<char, 64> buffer{};
    const bool huge = std::isinf(value) || std::fabs(value) >= kLargestWrittenInFull;
    const auto [end, error] = huge ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                   value, std::chars_format::general, 6)
                                   : std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                   value, std::chars_format::fixed, decimals);
    std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
    if (const auto plus = text.find("e+"); plus != std::string::npos) {
        text.erase(plus + 1, 1);
    }
    if (text.find_first_not_of("-0.") == std::string::npos && text.starts_with('-')) {
        text.erase(0, 1);  // no "-0,0"
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(
            point, 1,
            translatedText("kelvarin::MessageText", ",", "decimal mark of a number in a message"));
    }
    if (text.starts_with('-')) {
        text.replace(0, 1, "\u2212");
    }
    return text;
}

std::string shownText(std::string_view text) {
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    if (shown.size() <= kShownTextBytes) {
        return shown;
    }
    std::size_t cut = kShownTextBytes;
    while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) {
        --cut;  // never half a character
    }
    return shown.substr(0, cut) + "…";
}

}  // namespace kelvarin
