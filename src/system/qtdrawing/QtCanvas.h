// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPen>

#include "drawing/Canvas.h"

class QPainter;

namespace kelvarin {

// The drawing seam over an active QPainter, on the view's QImage or on a QPrinter page. The
// painter works in device pixels (no transform), so a pen of width w covers w device pixels on
// paper as on screen. The brush is solid white, text is black in a plain sans serif.
class QtCanvas : public Canvas {
public:
    // The face and size of the default font, which nothing in the program changes for text.
    static constexpr const char* kDefaultFontFace = "DejaVu Sans";
    static constexpr int kDefaultFontPoints = 8;

    explicit QtCanvas(QPainter& painter);

    void setPenWidth(std::int32_t width) override;
    void setPenColor(Rgb color) override;
    void setPenStyle(PenStyle style) override;

    void polyBezier(const std::array<OutlinePoint, 4>& points) override;
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override;
    void line(OutlinePoint from, OutlinePoint to) override;
    void text(OutlinePoint topLeft, std::string_view text) override;

    std::string fontName() const override;
    void setFontName(std::string_view name) override;
    int fontSizePoints() const override;
    void setFontSizePoints(int points) override;
    void setClip(std::optional<PixelRect> clip) override;

private:
    void applyPen();

    QPainter& painter_;
    QPen pen_;
    QFont font_;
};

}  // namespace kelvarin
