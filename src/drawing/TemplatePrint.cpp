// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/TemplatePrint.h"

#include <string>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "core/NumberFormat.h"
#include "drawing/DeviceUnits.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

namespace {

// Page layout in device pixels, from the top-left corner of the printable area.
constexpr std::int32_t kPageTop = 200;       // top of the first section on a page
constexpr std::int32_t kOutlineLeft = 200;   // every outline is moved this far right
constexpr std::int32_t kCaptionLeft = 250;   // caption and scissors mark
constexpr std::int32_t kCaptionRise = 50;    // caption top above the section's top
constexpr std::int32_t kCutLineDrop = 100;   // cut line below the section's bottom
constexpr std::int32_t kSectionPitch = 200;  // next section's top below this one's bottom

// No symbol font is assumed: the scissors are the character U+2702 of a face that has it.
constexpr std::string_view kScissorsFont = "DejaVu Sans";
constexpr std::string_view kScissors = "\u2702";

constexpr const char* kNegativeSection =
    "Шаблоны не напечатаны: сечение имеет отрицательный размер, проверьте диаметр и шаг винта";
constexpr const char* kSectionTooLarge =
    "Шаблоны не напечатаны: сечения слишком велики для принтера";

std::string captionOf(int section) {
    return "Профиль сечения лопасти " + formatGeneral((section - 1) / 10.0, 15, 0) + " радиуса";
}

void drawScissors(Canvas& canvas, std::int32_t cutY) {
    const std::string face = canvas.fontName();
    canvas.setFontName(kScissorsFont);
    const int size = canvas.fontSizePoints();
    canvas.text({kCaptionLeft, subtractInt32(cutY, roundToInt32(size / 2.0))}, kScissors);
    canvas.setFontName(face);
}

void drawTemplate(Canvas& canvas, const TemplateLayout& layout, const TemplatePlacement& p,
                  const SectionOptions& options) {
    canvas.text({kCaptionLeft, p.captionY}, captionOf(p.section));
    const SectionPolyline& o = layout.outlines.section(p.section);
    drawOutline(canvas, o, options.controlMarks, layout.page.dpi);
    if (options.turned) {
        const OutlinePoint corner{p.referenceX, p.bottom};
        canvas.line({o[0].x, p.bottom}, corner);
        canvas.line(corner, {p.referenceX, o[12].y});
    }
    drawScissors(canvas, p.cutY);
    canvas.setPenStyle(PenStyle::Dotted);
    canvas.line({0, p.cutY}, {layout.page.pageWidthPx, p.cutY});
    canvas.setPenStyle(PenStyle::Solid);
}

}  // namespace

TemplateLayout layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                               const SectionOptions& options) {
    TemplateLayout layout;
    layout.page = page;
    layout.outlines = buildSectionOutlines(design, page.dpi, options.turned);
    const double pixelsPerMetre = page.dpi * kTenthsPerMetre / kTenthsPerInch;
    std::int32_t y = kPageTop;
    bool firstOnPage = true;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        const OutlinePoint trailingEdge = layout.outlines.section(n)[0];
        const std::int32_t h = trailingEdge.y;
        if (h < 0 || trailingEdge.x < 0) {
            throw Failure(kNegativeSection);
        }
        TemplatePlacement p;
        p.section = n;
        if (!firstOnPage && addInt32(addInt32(y, h), kCutLineDrop) > page.pageHeightPx) {
            p.newPageBefore = true;
            y = kPageTop;
        }
        firstOnPage = false;
        p.top = y;
        translateOutline(layout.outlines, n, kOutlineLeft, y);
        const SectionPolyline& o = layout.outlines.section(n);
        // Worked out here only to meet an overflow before the document begins.
        outlineSegments(o);
        if (options.controlMarks) {
            for (const OutlinePoint& point : o) {
                controlMarkRect(point, outlinePens(page.dpi));
            }
        }
        p.captionY = subtractInt32(p.top, kCaptionRise);
        p.bottom = addInt32(y, h);
        p.cutY = addInt32(p.bottom, kCutLineDrop);
        if (options.turned) {
            const double width = design.stations.bladeWidthM[stationIndex(n)];
            p.referenceX = subtractInt32(o[0].x, roundToInt32(pixelsPerMetre * width));
        }
        y = addInt32(p.bottom, kSectionPitch);
        layout.placements.push_back(p);
    }
    return layout;
}

void printTemplates(const PropellerDesign& design, Printer& printer,
                    const SectionOptions& options) {
    const PrinterGeometry page = printer.geometry();
    TemplateLayout layout;
    try {
        layout = layOutTemplates(design, page, options);
    } catch (const ArithmeticError&) {
        throw Failure(kSectionTooLarge);
    }

    printer.beginDocument("");
    try {
        Canvas& canvas = printer.pageCanvas();
        for (const TemplatePlacement& p : layout.placements) {
            if (p.newPageBefore) {
                printer.newPage();
            }
            drawTemplate(canvas, layout, p, options);
        }
    } catch (...) {
        // Only a canvas of absurd font size can fail here; the document is still closed so
        // that the printer is free for the next job.
        try {
            printer.endDocument();
        } catch (...) {
        }
        throw;
    }
    printer.endDocument();
}

}  // namespace kelvarin
