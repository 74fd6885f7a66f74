// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/OutlineDrawing.h"

namespace kelvarin {

// A point of a cubic Bezier piece, in the piece's own (device pixel) units, not rounded.
struct CurvePoint {
    double x = 0;
    double y = 0;
};

// One coordinate of a cubic Bezier at t in [0, 1], from its four control values.
inline double cubicBezier(double p0, double p1, double p2, double p3, double t) {
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

inline CurvePoint bezierPoint(const BezierSegment& s, double t) {
    return {cubicBezier(s[0].x, s[1].x, s[2].x, s[3].x, t),
            cubicBezier(s[0].y, s[1].y, s[2].y, s[3].y, t)};
}

// The length of the piece's control polygon: never shorter than the curve, so that points
// spaced along it never leave a gap wider than the spacing.
double controlPolygonLength(const BezierSegment& s);

}  // namespace kelvarin
