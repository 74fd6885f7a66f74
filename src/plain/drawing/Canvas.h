// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/SectionPolyline.h"

namespace kelvarin {

enum class PenStyle { Solid, Dotted };

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kPureRed{255, 0, 0};

// A rectangle in device pixels; right and bottom are exclusive.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A drawing surface in device pixels, X to the right, Y downward: the view bitmap or a printed
// page. Pens keep their width in device pixels whatever the surface. The brush stays solid white.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPenWidth(std::int32_t width) = 0;
    virtual void setPenColor(Rgb color) = 0;
    virtual void setPenStyle(PenStyle style) = 0;

    // A cubic Bezier from points[0] to points[3] with points[1] and points[2] as controls.
    virtual void polyBezier(const std::array<OutlinePoint, 4>& points) = 0;
    // An ellipse in the rectangle; right and bottom edges are exclusive. Filled with the brush.
    virtual void ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) = 0;
    virtual void line(OutlinePoint from, OutlinePoint to) = 0;
    // UTF-8 text with its top-left corner at the point, in the current font.
    virtual void text(OutlinePoint topLeft, std::string_view text) = 0;

    virtual std::string fontName() const = 0;
    virtual void setFontName(std::string_view name) = 0;
    virtual int fontSizePoints() const = 0;
    // Points of 1/72 inch on the surface, whatever its resolution.
    virtual void setFontSizePoints(int points) = 0;

    // Strokes and text from now on show only inside the rectangle; nullopt shows them all.
    virtual void setClip(std::optional<PixelRect> clip) = 0;
};

}  // namespace kelvarin
