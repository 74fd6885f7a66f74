// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "core/Failure.h"

// The x87 unit of the original design traps invalid operations, division by zero and
// overflow; C++ does not, so each operation that can fault is checked where it happens.
// Intermediates are long double (the 64-bit mantissa extended format on this platform);
// storing a result into a double member is where an overflow shows.
namespace kelvarin::checked {

inline long double Divide(long double numerator, long double denominator) {
    if (denominator == 0.0L) {
        throw ArithmeticError("Floating point division by zero");
    }
    const long double q = numerator / denominator;
    if (!std::isfinite(q)) {
        throw ArithmeticError("Floating point overflow");
    }
    return q;
}

inline long double Sqrt(long double x) {
    if (x < 0.0L || std::isnan(x)) {
        throw ArithmeticError("Invalid floating point operation");
    }
    return std::sqrt(x);
}

// Rounds an intermediate to double as a store into a member does; beyond the double range is
// an overflow, an underflow to zero is not a fault.
inline double Store(long double x) {
    if (std::isnan(x)) {
        throw ArithmeticError("Invalid floating point operation");
    }
    const double d = static_cast<double>(x);
    if (!std::isfinite(d)) {
        throw ArithmeticError("Floating point overflow");
    }
    return d;
}

}  // namespace kelvarin::checked
