// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextNumbers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/MessageText.h"
#include "core/Translation.h"

namespace kelvarin {

std::string pointNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "0";
    }
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    std::string text(buffer.data(), ec == std::errc() ? end : buffer.data());
    if (text.find_first_not_of("-0.") == std::string::npos && !text.empty() && text[0] == '-') {
        text.erase(0, 1);
    }
    return text;
}

std::string russianNumber(double value, int decimals) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e15) {
        return numberInMessage(value, decimals);  // never hundreds of digits
    }
    std::string text = pointNumber(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    // English writes a point where Russian writes a comma.
    const std::string mark =
        translatedText("kelvarin::TextNumbers", ",", "decimal mark of a number in a message");
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, mark);
    }
    if (!text.empty() && text[0] == '-') {
        text.replace(0, 1, "\u2212");
    }
    return text;
}

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 64) {
        return std::nullopt;
    }
    std::string normal(text);
    if (normal[0] == '+') {
        normal.erase(0, 1);
        if (normal.empty() || normal[0] == '-' || normal[0] == '+') {
            return std::nullopt;
        }
    }
    for (char& c : normal) {
        if (c == ',') {
            c = '.';
        }
    }
    double value = 0;
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace kelvarin
