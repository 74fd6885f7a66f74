// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "core/Failure.h"
#include "core/Translation.h"

// Every floating operation of the calculation that can fault is checked where it happens. A
// square root of a negative number, a division by zero or a result beyond the double range ends
// the calculation with an ArithmeticError rather than carrying a NaN or an infinity on into the
// fields, the report and the templates, where it would be printed as "NAN" or drawn as an
// outline of nonsense. Intermediates are long double (the 64-bit mantissa extended format on
// this platform), so a product that leaves the double range on its way to a result inside it
// is no fault; storing a result into a double member is where an overflow shows.
namespace kelvarin::checked {

inline long double divide(long double numerator, long double denominator) {
    if (denominator == 0.0L) {
        throw ArithmeticError(translatedText("kelvarin::CheckedArithmetic", "Деление на ноль"));
    }
    const long double q = numerator / denominator;
    if (!std::isfinite(q)) {
        throw ArithmeticError(
            translatedText("kelvarin::CheckedArithmetic", "Число вне допустимого диапазона"));
    }
    return q;
}

inline long double sqrt(long double x) {
    if (x < 0.0L || std::isnan(x)) {
        throw ArithmeticError(
            translatedText("kelvarin::CheckedArithmetic", "Недопустимая арифметическая операция"));
    }
    return std::sqrt(x);
}

// Rounds an intermediate to double as a store into a member does; beyond the double range is
// an overflow, an underflow to zero is not a fault.
inline double store(long double x) {
    if (std::isnan(x)) {
        throw ArithmeticError(
            translatedText("kelvarin::CheckedArithmetic", "Недопустимая арифметическая операция"));
    }
    const double d = static_cast<double>(x);
    if (!std::isfinite(d)) {
        throw ArithmeticError(
            translatedText("kelvarin::CheckedArithmetic", "Число вне допустимого диапазона"));
    }
    return d;
}

}  // namespace kelvarin::checked
