// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvarin {

// The two number-to-text forms used for every number shown or written. Both round halves away
// from zero, decided on the value's decimal expansion to 18 significant digits, and write the
// current decimal separator (DecimalSeparator.h). Neither groups digits.

// At most `precision` significant digits (clamped to 2..18) and exactly `decimals` digits after
// the separator (clamped to 0..18), whichever rounding cuts more. A value with more integer
// digits than the precision is written in the general form instead, with a minimum exponent
// length of `decimals` when that is 4 or less.
std::string formatFixed(double value, int precision, int decimals);

// Rounded to `precision` significant digits (clamped to 1..18), trailing zeros dropped; the
// scientific form ("1,5E20", "5E-5") when the first significant digit lies more than
// `precision` places before the point or more than 3 after it, with the exponent padded to
// `minExponentDigits` (clamped to 0..20). formatGeneral(x, 15, 0) is the plain form.
std::string formatGeneral(double value, int precision, int minExponentDigits);

// formatFixed for a value computed in extended precision and written without being stored in
// a double first (a product such as a width in metres times 100): rounding it to a double on
// the way could carry a value lying just beside a half across it.
std::string formatFixedExtended(long double value, int precision, int decimals);

}  // namespace kelvarin
