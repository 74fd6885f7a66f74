// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureMarks.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace kelvarin {

QRect markRect(QPoint point, QSize picture, const QRect& target, int diameter) {
    if (picture.width() <= 0 || picture.height() <= 0) {
        return {};
    }
    const double scaleX = static_cast<double>(target.width()) / picture.width();
    const double scaleY = static_cast<double>(target.height()) / picture.height();
    const auto centre = [](int start, int at, double scale) {
        return start + static_cast<int>(std::floor((at + 0.5) * scale));
    };
    const int half = diameter / 2;
    return {centre(target.left(), point.x(), scaleX) - half,
            centre(target.top(), point.y(), scaleY) - half, diameter, diameter};
}

void paintMarks(QPainter& painter, const QList<QPoint>& points, QSize picture, const QRect& target,
                const MarkStyle& style) {
    if (points.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(style.pen, 1));
    painter.setBrush(style.fill);
    for (const QPoint& point : points) {
        // An aliased outline of a QRect covers its width + 1 pixels.
        painter.drawEllipse(
            markRect(point, picture, target, style.diameter).adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace kelvarin
