// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/BezierCurve.h"

#include <cmath>

namespace kelvarin {

double controlPolygonLength(const BezierSegment& s) {
    double length = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        length += std::hypot(static_cast<double>(s[i + 1].x) - s[i].x,
                             static_cast<double>(s[i + 1].y) - s[i].y);
    }
    return length;
}

}  // namespace kelvarin
