// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

namespace kelvarin {

// The zero of a continuous function between two points where it has opposite signs (or is zero
// at one of them), by R. P. Brent's method (Algorithms for Minimization without Derivatives,
// Prentice-Hall 1973, ch. 4): bisection's guarantee with the speed of inverse quadratic
// interpolation. Stops within `tolerance` of the zero or after `maxIterations` steps, whichever
// comes first; nothing when the signs do not differ.
std::optional<double> bracketedRoot(const std::function<double(double)>& f, double a, double b,
                                    double tolerance, int maxIterations);

}  // namespace kelvarin
