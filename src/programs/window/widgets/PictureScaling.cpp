// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureScaling.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kelvarin {

namespace {

// A smooth cache up to this many device pixels is always fine, whatever the picture's size.
constexpr std::int64_t kScreenfulPixels = std::int64_t{4096} * 1024;

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

namespace {

// The first source pixel of each target pixel along one side, and one past the last.
std::vector<int> spanStarts(int source, int target) {
    std::vector<int> starts(static_cast<std::size_t>(target) + 1);
    for (int t = 0; t <= target; ++t) {
        starts[static_cast<std::size_t>(t)] =
            static_cast<int>(static_cast<std::int64_t>(t) * source / target);
    }
    return starts;
}

// Each of the four bytes of a pixel is the smaller of the two.
void keepDarker(std::uint8_t* into, const std::uint8_t* from, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        into[i] = std::min(into[i], from[i]);
    }
}

}  // namespace

QImage darkestScaled(const QImage& picture, QSize size, const QColor& back) {
    if (size.isEmpty() || picture.isNull()) {
        return {};
    }
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.fill(back);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    } else if (picture.format() != QImage::Format_RGB32) {
        opaque = picture.convertToFormat(QImage::Format_RGB32);
    }
    QImage result(size, QImage::Format_RGB32);
    if (opaque.isNull() || result.isNull()) {
        return {};
    }
    const std::vector<int> columns = spanStarts(opaque.width(), size.width());
    const std::vector<int> rows = spanStarts(opaque.height(), size.height());
    const auto rowBytes = static_cast<std::size_t>(opaque.width()) * 4;
    std::vector<std::uint8_t> darkest(rowBytes);
    for (int y = 0; y < size.height(); ++y) {
        // Every source row of this target row, down into one row...
        const int first = rows[static_cast<std::size_t>(y)];
        const int last = std::max(rows[static_cast<std::size_t>(y) + 1], first + 1);
        std::copy_n(opaque.constScanLine(first), rowBytes, darkest.data());
        for (int r = first + 1; r < last; ++r) {
            keepDarker(darkest.data(), opaque.constScanLine(r), rowBytes);
        }
        // ...then every source column of each target pixel into it.
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int from = columns[static_cast<std::size_t>(x)];
            const int to = std::max(columns[static_cast<std::size_t>(x) + 1], from + 1);
            std::uint8_t pixel[4];
            std::copy_n(&darkest[static_cast<std::size_t>(from) * 4], 4, pixel);
            for (int c = from + 1; c < to; ++c) {
                keepDarker(pixel, &darkest[static_cast<std::size_t>(c) * 4], 4);
            }
            std::memcpy(&out[x], pixel, 4);
        }
    }
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
