// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/DecimalSeparator.h"

namespace kelvarin {

namespace {

constexpr int kExpansionDigits = 18;

// A finite value as a string of significant digits 0.d1d2... times 10^exponent.
struct Decimal {
    bool negative = false;
    bool zero = true;
    int exponent = 0;  // digits before the point; 0 for 0.1..0.999, negative below
    std::array<char, kExpansionDigits> digits{};
    int count = 0;  // significant digits held, trailing zeros included
};

template <typename Float>
Decimal expand(Float value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0) {
        return d;
    }
    // d.ddddddddddddddddde+XXX: 18 significant digits, correctly rounded.
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, kExpansionDigits - 1);
    const char* p = buffer;
    d.digits[0] = *p++;
    ++p;  // the point
    for (int i = 1; i < kExpansionDigits; ++i) {
        d.digits[static_cast<std::size_t>(i)] = *p++;
    }
    ++p;  // 'e'
    int power = 0;
    std::from_chars(*p == '+' ? p + 1 : p, result.ptr, power);
    d.exponent = power + 1;
    d.zero = false;
    d.count = kExpansionDigits;
    return d;
}

// Keeps `keep` significant digits, an exact or larger half rounding away from zero.
void roundTo(Decimal& d, int keep) {
    if (d.zero || keep >= d.count) {
        return;
    }
    if (keep < 0) {
        d.zero = true;
        d.count = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.count = keep;
    if (!up) {
        if (keep == 0) {
            d.zero = true;
        }
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
        --i;
    }
    if (i < 0) {
        // 9.99 becomes 10: one digit, one place further left.
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
        return;
    }
    ++d.digits[static_cast<std::size_t>(i)];
    d.count = i + 1;
}

void dropTrailingZeros(Decimal& d) {
    while (d.count > 0 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') {
        --d.count;
    }
    if (d.count == 0) {
        d.zero = true;
    }
}

char digitAt(const Decimal& d, int i) {
    return i >= 0 && i < d.count ? d.digits[static_cast<std::size_t>(i)] : '0';
}

template <typename Float>
bool nonFinite(Float value, std::string& text) {
    if (std::isnan(value)) {
        text = "NAN";
        return true;
    }
    if (std::isinf(value)) {
        text = value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

// Both forms for doubles and for extended values alike; a double widens to the same digits.
template <typename Float>
std::string generalForm(Float value, int precision, int minExponentDigits) {
    std::string text;
    if (nonFinite(value, text)) {
        return text;
    }
    precision = std::clamp(precision, 1, kExpansionDigits);
    minExponentDigits = std::clamp(minExponentDigits, 0, 20);
    Decimal d = expand(value);
    roundTo(d, precision);
    dropTrailingZeros(d);
    if (d.zero) {
        return "0";
    }
    const char separator = decimalSeparator();
    if (d.negative) {
        text += '-';
    }
    if (d.exponent > precision || d.exponent < -3) {
        text += d.digits[0];
        if (d.count > 1) {
            text += separator;
            text.append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
        }
        text += 'E';
        int power = d.exponent - 1;
        if (power < 0) {
            text += '-';
            power = -power;
        }
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, power);
        const auto length = static_cast<int>(result.ptr - buffer);
        text.append(static_cast<std::size_t>(std::max(0, minExponentDigits - length)), '0');
        text.append(buffer, result.ptr);
        return text;
    }
    if (d.exponent > 0) {
        for (int i = 0; i < d.exponent; ++i) {
            text += digitAt(d, i);
        }
    } else {
        text += '0';
    }
    if (d.count > d.exponent) {
        text += separator;
        for (int i = d.exponent; i < 0; ++i) {
            text += '0';
        }
        for (int i = std::max(d.exponent, 0); i < d.count; ++i) {
            text += d.digits[static_cast<std::size_t>(i)];
        }
    }
    return text;
}

template <typename Float>
std::string fixedForm(Float value, int precision, int decimals) {
    std::string text;
    if (nonFinite(value, text)) {
        return text;
    }
    precision = std::clamp(precision, 2, kExpansionDigits);
    decimals = std::clamp(decimals, 0, kExpansionDigits);
    Decimal d = expand(value);
    if (!d.zero) {
        roundTo(d, std::min(precision, d.exponent + decimals));
    }
    if (!d.zero && d.exponent > precision) {
        return generalForm(value, precision, decimals <= 4 ? decimals : 0);
    }
    if (!d.zero && d.negative) {
        text += '-';  // a value that rounds to zero loses its sign
    }
    if (!d.zero && d.exponent > 0) {
        for (int i = 0; i < d.exponent; ++i) {
            text += digitAt(d, i);
        }
    } else {
        text += '0';
    }
    if (decimals > 0) {
        text += decimalSeparator();
        for (int i = 0; i < decimals; ++i) {
            text += d.zero ? '0' : digitAt(d, d.exponent + i);
        }
    }
    return text;
}

}  // namespace

std::string formatGeneral(double value, int precision, int minExponentDigits) {
    return generalForm(value, precision, minExponentDigits);
}

std::string formatFixed(double value, int precision, int decimals) {
    return fixedForm(value, precision, decimals);
}

std::string formatFixedExtended(long double value, int precision, int decimals) {
    return fixedForm(value, precision, decimals);
}

}  // namespace kelvarin
