// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/Failure.h"
#include "core/Translation.h"

namespace kelvarin {

// Every floating value that becomes an integer coordinate goes through here: nearest, an exact
// half to the even neighbour, and a value that a signed 32-bit integer cannot hold is a
// failure instead of a wrapped number.
inline std::int32_t roundToInt32(double value) {
    const double r = std::nearbyint(value);  // the default mode rounds halves to even
    if (!(r >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          r <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        throw ArithmeticError(
            translatedText("kelvarin::IntegerRounding", "Целое число вне допустимого диапазона"));
    }
    return static_cast<std::int32_t>(r);
}

// Integer arithmetic on coordinates that must not wrap.
inline std::int32_t addInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        throw ArithmeticError(
            translatedText("kelvarin::IntegerRounding", "Целое число вне допустимого диапазона"));
    }
    return r;
}

inline std::int32_t subtractInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) {
        throw ArithmeticError(
            translatedText("kelvarin::IntegerRounding", "Целое число вне допустимого диапазона"));
    }
    return r;
}

}  // namespace kelvarin
