// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/WindowPlacement.h"

#include <algorithm>

namespace kelvarin {

QPoint placeWithin(QPoint designed, QSize frame, const QRect& available) {
    const auto along = [](int at, int extent, int start, int room) {
        return std::max(std::min(at, start + room - extent), start);
    };
    return {along(designed.x(), frame.width(), available.left(), available.width()),
            along(designed.y(), frame.height(), available.top(), available.height())};
}

}  // namespace kelvarin
