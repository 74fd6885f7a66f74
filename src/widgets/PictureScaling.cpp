// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureScaling.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace kelvarin {

namespace {

// A smooth cache up to this many device pixels is always fine, whatever the picture's size.
constexpr std::int64_t kScreenfulPixels = 4096 * 1024;

std::int64_t area(QSize size) {
    return static_cast<std::int64_t>(size.width()) * size.height();
}

}  // namespace

QRectF sourceRectFor(const QRect& target, const QRect& area, QSize source) {
    if (target.width() <= 0 || target.height() <= 0) {
        return {};
    }
    const double sx = static_cast<double>(source.width()) / target.width();
    const double sy = static_cast<double>(source.height()) / target.height();
    return QRectF((area.x() - target.x()) * sx, (area.y() - target.y()) * sy, area.width() * sx,
                  area.height() * sy);
}

bool keepsWholeSmooth(QSize picture, QSize device) {
    if (device.isEmpty()) {
        return false;
    }
    const bool reduces = device.width() < picture.width() || device.height() < picture.height();
    return reduces && area(device) <= std::max(area(picture), kScreenfulPixels);
}

QImage smoothScaled(const QImage& picture, QSize size, const QColor& back) {
    // Area averaging keeps a thin line continuous; a filtered painter stretch samples only a
    // few source pixels per target pixel and breaks it into dots.
    QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.hasAlphaChannel()) {
        return scaled;
    }
    // Averaging premultiplied pixels and then laying them over the colour gives the same as
    // laying the whole picture over it first, at a fraction of the memory.
    QImage result(scaled.size(), QImage::Format_RGB32);
    result.fill(back);
    QPainter painter(&result);
    painter.drawImage(0, 0, scaled);
    return result;
}

QImage transparentKeyed(const QImage& picture) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    if (keyed.isNull()) {
        return keyed;
    }
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace kelvarin
