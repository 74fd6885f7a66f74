// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextToNumber.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/DecimalSeparator.h"
#include "core/Failure.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

[[noreturn]] void notANumber(std::string_view text) {
    throw ConversionError(
        withArguments(translatedText("kelvarin::TextToNumber", "«%1» не является числом"), {text}));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any double's exponent and any text's length, small enough that sums of such
// values cannot overflow.
constexpr long long kExponentLimit = 1'000'000'000'000LL;

}  // namespace

double textToNumber(std::string_view text) {
    const char separator = decimalSeparator();
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The significant digits, without leading zeros, and the power of ten of the first one.
    std::string digits;
    long long firstDigitPower = 0;  // for digits "d..." the value is 0.d... * 10^firstDigitPower
    bool sawMantissa = false;
    long long integerDigits = 0;
    while (i < n && isDigit(text[i])) {
        sawMantissa = true;
        if (!digits.empty() || text[i] != '0') {
            digits += text[i];
        }
        if (!digits.empty() && integerDigits < kExponentLimit) {
            ++integerDigits;
        }
        ++i;
    }
    firstDigitPower = integerDigits;
    if (i < n && text[i] == separator) {
        sawMantissa = true;
        ++i;
        while (i < n && isDigit(text[i])) {
            if (digits.empty() && text[i] == '0') {
                if (firstDigitPower > -kExponentLimit) {
                    --firstDigitPower;
                }
            } else {
                digits += text[i];
            }
            ++i;
        }
    }
    if (!sawMantissa) {
        notANumber(text);
    }
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= n || !isDigit(text[i])) {
            notANumber(text);
        }
        while (i < n && isDigit(text[i])) {
            if (exponent < kExponentLimit) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n) {
        notANumber(text);
    }
    if (digits.empty()) {
        return negative ? -0.0 : 0.0;
    }
    const long long power = firstDigitPower + exponent;  // value is 0.d... * 10^power
    if (power > 400) {
        notANumber(text);
    }
    if (power < -400) {
        return negative ? -0.0 : 0.0;
    }
    // Hand the normalised digits to the correctly rounding reader of the standard library.
    std::string canonical = "0.";
    canonical += digits;
    canonical += 'e';
    char powerText[24];
    const auto written = std::to_chars(powerText, powerText + sizeof powerText, power);
    canonical.append(powerText, written.ptr);
    double value = 0.0;
    const auto result =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (power > 0) {
            notANumber(text);
        }
        value = 0.0;
    } else if (result.ec != std::errc() || !std::isfinite(value)) {
        notANumber(text);
    }
    return negative ? -value : value;
}

}  // namespace kelvarin
