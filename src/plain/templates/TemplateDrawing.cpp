// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateDrawing.h"

#include "templates/TemplateText.h"

namespace kelvarin {

void drawTemplatePage(Canvas& canvas, const TemplatePage& page) {
    std::optional<PixelRect> clip;
    canvas.setClip(clip);
    canvas.setFontName(kTemplateFontFace);
    for (const TemplateItem& item : page.items) {
        if (item.clip != clip) {
            clip = item.clip;
            canvas.setClip(clip);
        }
        canvas.setPenWidth(item.pen.widthPx);
        canvas.setPenColor(item.pen.color);
        canvas.setPenStyle(item.pen.style);
        if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
            for (const BezierSegment& segment : path->segments) {
                canvas.polyBezier(segment);
            }
        } else if (const auto* line = std::get_if<LineShape>(&item.shape)) {
            canvas.line(line->from, line->to);
        } else if (const auto* ellipse = std::get_if<EllipseShape>(&item.shape)) {
            const PixelRect& b = ellipse->bounds;
            canvas.ellipse(b.left, b.top, b.right, b.bottom);
        } else {
            const auto& text = std::get<TextShape>(item.shape);
            canvas.setFontSizePoints(text.fontPoints);
            canvas.text(text.topLeft, text.text);
        }
    }
    canvas.setPenColor(kBlack);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setClip(std::nullopt);
}

}  // namespace kelvarin
