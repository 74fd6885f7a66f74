// SPDX-License-Identifier: GPL-3.0-or-later
#include "InflowSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace kelvarin {

std::optional<double> bracketedRoot(const std::function<double(double)>& f, double a, double b,
                                    double tolerance, int maxIterations) {
    double fa = f(a);
    double fb = f(b);
    if (fa == 0) {
        return a;
    }
    if (fb == 0) {
        return b;
    }
    if (!std::isfinite(fa) || !std::isfinite(fb) || (fa > 0) == (fb > 0)) {
        return std::nullopt;
    }
    // b is the best estimate so far, a the previous one, c the point bracketing the zero with b.
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    const double epsilon = std::numeric_limits<double>::epsilon();
    for (int i = 0; i < maxIterations; ++i) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = b - a;
            e = d;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2.0 * epsilon * std::abs(b) + 0.5 * tolerance;
        const double m = 0.5 * (c - b);
        if (std::abs(m) <= tol || fb == 0) {
            return b;
        }
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            // Secant or inverse quadratic interpolation.
            const double s = fb / fa;
            double p = 0;
            double q = 0;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * m * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0) {
                q = -q;
            } else {
                p = -p;
            }
            if (2.0 * p < std::min(3.0 * m * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
        if (!std::isfinite(fb)) {
            return std::nullopt;
        }
    }
    return b;
}

}  // namespace kelvarin
