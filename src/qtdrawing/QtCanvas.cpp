// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdrawing/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace kelvarin {

namespace {

QPoint ToQPoint(OutlinePoint p) {
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
    ApplyPen();
    painter_.setFont(font_);
}

void QtCanvas::ApplyPen() {
    // A dotted pen keeps its dots at any width; flat caps stop wide dots running together.
    pen_.setCapStyle(pen_.style() == Qt::DotLine ? Qt::FlatCap : Qt::RoundCap);
    pen_.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen_);
}

void QtCanvas::SetPenWidth(std::int32_t width) {
    pen_.setWidth(width);
    ApplyPen();
}

void QtCanvas::SetPenColor(Rgb color) {
    pen_.setColor(QColor(color.r, color.g, color.b));
    ApplyPen();
}

void QtCanvas::SetPenStyle(PenStyle style) {
    pen_.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    ApplyPen();
}

void QtCanvas::PolyBezier(const std::array<OutlinePoint, 4>& points) {
    QPainterPath path(ToQPoint(points[0]));
    path.cubicTo(ToQPoint(points[1]), ToQPoint(points[2]), ToQPoint(points[3]));
    painter_.strokePath(path, pen_);
}

void QtCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) {
    // An aliased outline of a QRect covers its width + 1 pixels: left .. right - 1 here.
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::Line(OutlinePoint from, OutlinePoint to) {
    painter_.drawLine(ToQPoint(from), ToQPoint(to));
}

void QtCanvas::Text(OutlinePoint topLeft, std::string_view text) {
    // Text takes the font's colour, black, whatever the pen has just drawn.
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black));
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPoint(topLeft.x, topLeft.y + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    painter_.setPen(pen_);
}

std::string QtCanvas::FontName() const {
    return font_.family().toStdString();
}

void QtCanvas::SetFontName(std::string_view name) {
    font_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    painter_.setFont(font_);
}

int QtCanvas::FontSizePoints() const {
    return font_.pointSize();
}

}  // namespace kelvarin
