// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace kelvarin {

// Every failure the program raises on purpose; the calculation run swallows them, the other
// handlers show their text in the error display.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field text that is not a number, or a number beyond the double range.
class ConversionError : public Failure {
public:
    using Failure::Failure;
};

// A square root of a negative number, a division by zero or a result beyond the double range.
class ArithmeticError : public Failure {
public:
    using Failure::Failure;
};

}  // namespace kelvarin
