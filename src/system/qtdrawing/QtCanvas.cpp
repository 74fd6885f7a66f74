// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdrawing/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace kelvarin {

namespace {

QPoint toQPoint(OutlinePoint p) {
    return {p.x, p.y};
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter)
    : painter_(painter), font_(QString::fromLatin1(kDefaultFontFace), kDefaultFontPoints) {
    // Aliased, like the printer driver's own strokes: a template is cut along the pixels drawn.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setTransform(QTransform());
    painter_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    pen_.setColor(Qt::black);
    pen_.setWidth(1);
    pen_.setStyle(Qt::SolidLine);
    pen_.setCosmetic(false);
    applyPen();
    painter_.setFont(font_);
}

void QtCanvas::applyPen() {
    // A dotted pen keeps its dots at any width; flat caps stop wide dots running together.
    pen_.setCapStyle(pen_.style() == Qt::DotLine ? Qt::FlatCap : Qt::RoundCap);
    pen_.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen_);
}

void QtCanvas::setPenWidth(std::int32_t width) {
    pen_.setWidth(width);
    applyPen();
}

void QtCanvas::setPenColor(Rgb color) {
    pen_.setColor(QColor(color.r, color.g, color.b));
    applyPen();
}

void QtCanvas::setPenStyle(PenStyle style) {
    pen_.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    applyPen();
}

void QtCanvas::polyBezier(const std::array<OutlinePoint, 4>& points) {
    QPainterPath path(toQPoint(points[0]));
    path.cubicTo(toQPoint(points[1]), toQPoint(points[2]), toQPoint(points[3]));
    painter_.strokePath(path, pen_);
}

void QtCanvas::ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) {
    // An aliased outline of a QRect covers its width + 1 pixels: left .. right - 1 here.
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::line(OutlinePoint from, OutlinePoint to) {
    painter_.drawLine(toQPoint(from), toQPoint(to));
}

void QtCanvas::text(OutlinePoint topLeft, std::string_view text) {
    // Text takes the font's colour, black, whatever the pen has just drawn.
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black));
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPoint(topLeft.x, topLeft.y + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    painter_.setPen(pen_);
}

std::string QtCanvas::fontName() const {
    return font_.family().toStdString();
}

void QtCanvas::setFontName(std::string_view name) {
    font_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    painter_.setFont(font_);
}

int QtCanvas::fontSizePoints() const {
    return font_.pointSize();
}

void QtCanvas::setFontSizePoints(int points) {
    font_.setPointSize(points);
    painter_.setFont(font_);
}

void QtCanvas::setClip(std::optional<PixelRect> clip) {
    if (!clip) {
        painter_.setClipping(false);
        return;
    }
    painter_.setClipRect(
        QRect(QPoint(clip->left, clip->top), QPoint(clip->right - 1, clip->bottom - 1)));
}

}  // namespace kelvarin
