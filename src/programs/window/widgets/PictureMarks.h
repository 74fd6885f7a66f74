// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace kelvarin {

// Circles marking points of a picture, the same size on the screen at every zoom: drawn into
// the picture they would shrink to nothing in a reduced view and swell in an enlarged one.
// Aliased and one logical pixel wide, so that they stay as crisp as the picture's own strokes.
struct MarkStyle {
    int diameter = 11;  // logical pixels, the pen included
    QColor pen{255, 0, 0};
    QColor fill{255, 255, 255};
};

// The pixels the mark of picture pixel `point` covers when a picture of size `picture` is shown
// stretched over `target`: a square `diameter` across about the screen pixel under the middle
// of that picture pixel (for an even diameter, one more on the left and top).
QRect markRect(QPoint point, QSize picture, const QRect& target, int diameter);

// Paints the marks of `points` over a picture shown over `target`.
void paintMarks(QPainter& painter, const QList<QPoint>& points, QSize picture, const QRect& target,
                const MarkStyle& style);

}  // namespace kelvarin
