// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/TemplatePrint.h"

#include <string>
#include <vector>

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

// Where one section goes, all worked out before the document begins.
struct Placement {
    int section = 0;
    bool newPageBefore = false;
    std::int32_t top = 0;         // page Y of the section's top
    std::int32_t captionY = 0;    // page Y of the caption's top
    std::int32_t bottom = 0;      // page Y of its trailing edge
    std::int32_t cutY = 0;        // page Y of its cut line
    std::int32_t referenceX = 0;  // end of the width reference line, turned sections only
};

std::string captionOf(int section) {
    return "Профиль сечения лопасти " + formatGeneral((section - 1) / 10.0, 15, 0) + " радиуса";
}

// Places every section, moving its outline to its page position. A section starts a new page
// when it is not the first on its page and its outline or cut line would reach past the
// printable height; no page follows the last section.
std::vector<Placement> layOut(PropellerDesign& design, bool ugolChecked) {
    const PrinterGeometry& printer = design.Printer;
    const double pixelsPerMetre = printer.LogPixelsX * kTenthsPerMetre / kTenthsPerInch;
    std::vector<Placement> placements;
    std::int32_t y = kPageTop;
    bool firstOnPage = true;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        const OutlinePoint trailingEdge = sectionOutline(design, n)[0];
        const std::int32_t h = trailingEdge.y;
        if (h < 0 || trailingEdge.x < 0) {
            throw Failure(kNegativeSection);
        }
        Placement p;
        p.section = n;
        if (!firstOnPage && addInt32(addInt32(y, h), kCutLineDrop) > printer.VertRes) {
            p.newPageBefore = true;
            y = kPageTop;
        }
        firstOnPage = false;
        p.top = y;
        translateOutline(design, n, kOutlineLeft, y);
        const SectionPolyline& o = sectionOutline(design, n);
        // Every stroke's arithmetic is tried here, so that nothing can fail once paper is used.
        outlineSegments(o);
        if (design.ShowControl) {
            for (const OutlinePoint& point : o) {
                controlMarkRect(point);
            }
        }
        p.captionY = subtractInt32(p.top, kCaptionRise);
        p.bottom = addInt32(y, h);
        p.cutY = addInt32(p.bottom, kCutLineDrop);
        if (ugolChecked) {
            const double width = design.Stations.Bl[stationIndex(n)];
            p.referenceX = subtractInt32(o[0].x, roundToInt32(pixelsPerMetre * width));
        }
        y = addInt32(p.bottom, kSectionPitch);
        placements.push_back(p);
    }
    return placements;
}

void drawScissors(Canvas& canvas, std::int32_t cutY) {
    const std::string face = canvas.fontName();
    canvas.setFontName(kScissorsFont);
    const int size = canvas.fontSizePoints();
    canvas.text({kCaptionLeft, subtractInt32(cutY, roundToInt32(size / 2.0))}, kScissors);
    canvas.setFontName(face);
}

void drawTemplate(Canvas& canvas, const PropellerDesign& design, const Placement& p,
                  bool ugolChecked) {
    canvas.text({kCaptionLeft, p.captionY}, captionOf(p.section));
    const SectionPolyline& o = sectionOutline(design, p.section);
    drawOutline(canvas, o, design.ShowControl);
    if (ugolChecked) {
        const OutlinePoint corner{p.referenceX, p.bottom};
        canvas.line({o[0].x, p.bottom}, corner);
        canvas.line(corner, {p.referenceX, o[12].y});
    }
    drawScissors(canvas, p.cutY);
    canvas.setPenStyle(PenStyle::Dotted);
    canvas.line({0, p.cutY}, {design.Printer.HorzRes, p.cutY});
    canvas.setPenStyle(PenStyle::Solid);
}

}  // namespace

void printTemplates(PropellerDesign& design, Printer& printer, bool ugolChecked) {
    std::vector<Placement> placements;
    try {
        buildSectionOutlines(design, printer);
        placements = layOut(design, ugolChecked);
    } catch (const ArithmeticError&) {
        throw Failure(kSectionTooLarge);
    }

    printer.beginDocument("");
    try {
        Canvas& canvas = printer.pageCanvas();
        for (const Placement& p : placements) {
            if (p.newPageBefore) {
                printer.newPage();
            }
            drawTemplate(canvas, design, p, ugolChecked);
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
