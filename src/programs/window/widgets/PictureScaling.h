// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

// Plain image work behind the picture control's two paints.
namespace kelvarin {

// The part of a source image that lands on area when the whole source is stretched into
// target. area lies within target.
QRectF sourceRectFor(const QRect& target, const QRect& area, QSize source);

// Whether the smooth paint keeps the whole picture scaled to device pixels: only for a
// reduction, so the result is never larger than the picture itself (or a screenful).
bool keepsWholeSmooth(QSize picture, QSize device);

// The picture scaled to size by area averaging, laid over back where it is see-through.
// An opaque picture is scaled straight, without a copy at its own size.
QImage smoothScaled(const QImage& picture, QSize size, const QColor& back);

// The picture reduced to size by keeping, in each of its colour channels, the darkest value of
// the pixels that fall on each target pixel: a thin dark line on a light ground stays a dark
// continuous line and a thin coloured mark keeps its colour, where averaging would fade both
// to grey. Laid over back where the picture is see-through. For a size no larger than the
// picture on either side.
QImage darkestScaled(const QImage& picture, QSize size, const QColor& back);

// The picture with every pixel of its bottom-left pixel's colour made see-through.
QImage transparentKeyed(const QImage& picture);

}  // namespace kelvarin
