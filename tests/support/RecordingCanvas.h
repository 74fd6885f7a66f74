// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/Printer.h"

namespace kelvarin::testing {

// Every stroke and text with the pen and font it was made with; `page` counts from 0.
struct Stroke {
    enum Kind { Bezier, Ellipse, Line, Text } kind;
    int page;
    std::vector<OutlinePoint> points;  // Bezier: 4; Ellipse: left-top, right-bottom; Line: 2
    std::int32_t penWidth;
    Rgb penColor;
    PenStyle penStyle;
    std::string text;
    std::string font;
    int fontPoints;
    std::optional<PixelRect> clip;
};

class RecordingCanvas : public Canvas {
public:
    void setPenWidth(std::int32_t width) override { width_ = width; }
    void setPenColor(Rgb color) override { color_ = color; }
    void setPenStyle(PenStyle style) override { style_ = style; }
    void polyBezier(const std::array<OutlinePoint, 4>& p) override {
        Add(Stroke::Bezier, {p.begin(), p.end()});
    }
    void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        Add(Stroke::Ellipse, {{l, t}, {r, b}});
    }
    void line(OutlinePoint from, OutlinePoint to) override { Add(Stroke::Line, {from, to}); }
    void text(OutlinePoint topLeft, std::string_view text) override {
        Add(Stroke::Text, {topLeft}, std::string(text));
    }
    std::string fontName() const override { return font_; }
    void setFontName(std::string_view name) override { font_ = name; }
    int fontSizePoints() const override { return fontPoints; }
    void setFontSizePoints(int points) override { fontPoints = points; }
    void setClip(std::optional<PixelRect> clip) override { clip_ = clip; }

    std::vector<Stroke> Of(Stroke::Kind kind) const {
        std::vector<Stroke> out;
        for (const Stroke& s : strokes) {
            if (s.kind == kind) {
                out.push_back(s);
            }
        }
        return out;
    }

    std::vector<Stroke> strokes;
    int page = 0;
    int fontPoints = 10;
    std::int32_t width_ = 1;
    Rgb color_ = kBlack;
    PenStyle style_ = PenStyle::Solid;
    std::string font_ = "Sans";
    std::optional<PixelRect> clip_;

private:
    void Add(Stroke::Kind kind, std::vector<OutlinePoint> points, std::string text = {}) {
        strokes.push_back({kind, page, std::move(points), width_, color_, style_, std::move(text),
                           font_, fontPoints, clip_});
    }
};

// A printer of fixed geometry that records the document calls; `missing` plays no default.
class FakePrinter : public Printer {
public:
    explicit FakePrinter(PrinterGeometry g = {600, 4760, 6814}) : fixedGeometry(g) {}

    std::int32_t resolutionDpi() override { return missing ? 600 : fixedGeometry.dpi; }
    PrinterGeometry geometry() override {
        if (missing) {
            throw PrinterMissing();
        }
        return fixedGeometry;
    }
    void beginDocument(std::string_view name) override {
        calls.push_back("begin '" + std::string(name) + "'");
    }
    void newPage() override {
        calls.emplace_back("page");
        ++canvas.page;
    }
    void endDocument() override { calls.emplace_back("end"); }
    Canvas& pageCanvas() override { return canvas; }

    PrinterGeometry fixedGeometry;
    bool missing = false;
    std::vector<std::string> calls;
    RecordingCanvas canvas;
};

}  // namespace kelvarin::testing
