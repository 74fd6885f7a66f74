// SPDX-License-Identifier: GPL-3.0-or-later
// formatFixed and formatGeneral over every finite double and any precision and decimals: the
// text keeps its documented shape and reads back as the value, rounded.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "FuzzInput.h"
#include "core/DecimalSeparator.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "core/TextToNumber.h"

namespace {

char separator = ',';
char chosenSeparator() {
    return separator;
}

#define check(condition) CheckAt(condition, __LINE__)

void CheckAt(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        __builtin_trap();
    }
}

// Reads a text back; near the top of the double range a rounded text may lie beyond it.
bool ReadBack(const std::string& text, double value, double& back) {
    try {
        back = kelvarin::textToNumber(text);
        return true;
    } catch (const kelvarin::ConversionError&) {
        check(std::fabs(value) > 1e307);
        return false;
    }
}

// What reading a decimal text back into a double may add to the rounding error.
double Slack(double value) {
    return std::fabs(value) * 1e-15;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [-]digits[,digits][E[-]digits]; returns the digits after the separator before the exponent.
bool Shape(const std::string& t, int& fraction, bool& exponent) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') {
        ++i;
    }
    const std::size_t start = i;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
    }
    if (i == start) {
        return false;
    }
    fraction = -1;
    if (i < t.size() && t[i] == separator) {
        const std::size_t f = ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
        }
        fraction = static_cast<int>(i - f);
        if (fraction == 0) {
            return false;
        }
    }
    exponent = false;
    if (i < t.size() && t[i] == 'E') {
        exponent = true;
        ++i;
        if (i < t.size() && t[i] == '-') {
            ++i;
        }
        const std::size_t e = i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
        }
        if (i == e) {
            return false;
        }
    }
    return i == t.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    separator = in.takeBool() ? ',' : '.';
    kelvarin::setDecimalSeparatorSource(&chosenSeparator);
    const double value = in.take<double>();
    const int precision = in.take<std::int8_t>();
    const int decimals = in.take<std::int8_t>();
    const int exponentDigits = in.take<std::int8_t>();
    if (!std::isfinite(value)) {
        return 0;
    }

    const std::string fixed = kelvarin::formatFixed(value, precision, decimals);
    int fraction = -1;
    bool exponent = false;
    check(Shape(fixed, fraction, exponent));
    const int p = std::clamp(precision, 2, 18);
    const int d = std::clamp(decimals, 0, 18);
    double back = 0;
    if (!ReadBack(fixed, value, back)) {
        return 0;
    }
    if (exponent) {
        // Only a value with more integer digits than the precision takes the exponent form.
        check(std::fabs(value) >= std::pow(10.0, p) * (1 - 1e-15) * 0.95);
        check(std::fabs(back - value) <= std::fabs(value) * std::pow(10.0, 1 - p));
    } else {
        check(fraction == (d > 0 ? d : -1));
        const double ulp = std::fabs(value) * std::pow(10.0, 1 - p);
        check(std::fabs(back - value) <= std::fmax(ulp, 0.5 * std::pow(10.0, -d)) + Slack(value));
    }
    check(std::signbit(back) == (fixed[0] == '-'));

    const std::string general = kelvarin::formatGeneral(value, precision, exponentDigits);
    check(Shape(general, fraction, exponent));
    const int g = std::clamp(precision, 1, 18);
    double generalBack = 0;
    if (!ReadBack(general, value, generalBack)) {
        return 0;
    }
    check(std::fabs(generalBack - value) <=
          std::fabs(value) * std::pow(10.0, 1 - g) * 0.5 + Slack(value));
    if (!exponent) {
        // The plain form is used only from 1E-4 up to the precision's integer digits.
        const double smallest = 0.0001 * (1 - 0.5 * std::pow(10.0, 1 - g)) * (1 - 1e-12);
        check(value == 0 || (std::fabs(value) >= smallest && std::fabs(value) < std::pow(10.0, g)));
    }
    return 0;
}
