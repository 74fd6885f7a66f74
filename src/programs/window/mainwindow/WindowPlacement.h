// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvarin {

// Where a window's frame goes: at `designed` where the whole frame fits the available area of
// the screen, else moved up and left as little as lets it fit, never past the area's top-left
// corner.
QPoint placeWithin(QPoint designed, QSize frame, const QRect& available);

}  // namespace kelvarin
