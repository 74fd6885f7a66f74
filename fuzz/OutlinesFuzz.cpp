// SPDX-License-Identifier: GPL-3.0-or-later
// Outlines, the outline drawing, the view bitmap size, the print job and the drawings' sheet for
// arbitrary designs and printer geometries: every result either fits its integers or ends as a
// Failure; nothing wraps (UBSan traps on signed overflow) and no size comes out negative.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "FuzzInput.h"
#include "SeenBefore.h"
#include "core/Failure.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/Printer.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "templates/TemplatePrint.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

class NullCanvas : public kelvarin::Canvas {
public:
    void setPenWidth(std::int32_t width) override { check(width >= 0, "negative pen"); }
    void setPenColor(kelvarin::Rgb) override {}
    void setPenStyle(kelvarin::PenStyle) override {}
    void polyBezier(const std::array<kelvarin::OutlinePoint, 4>&) override {}
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override {
        check(right > left && bottom > top, "inverted mark");
    }
    void line(kelvarin::OutlinePoint, kelvarin::OutlinePoint) override {}
    void text(kelvarin::OutlinePoint, std::string_view) override {}
    std::string fontName() const override { return font_; }
    void setFontName(std::string_view name) override { font_ = name; }
    int fontSizePoints() const override { return points_; }
    void setFontSizePoints(int points) override {
        check(points >= 6 && points <= 8, "text size out of range");
        points_ = points;
    }
    void setClip(std::optional<kelvarin::PixelRect> clip) override {
        check(!clip || (clip->right > clip->left && clip->bottom > clip->top), "empty clip");
    }

private:
    std::string font_ = "DejaVu Sans";
    int points_ = 8;
};

class FakePrinter : public kelvarin::Printer {
public:
    explicit FakePrinter(kelvarin::PrinterGeometry g, bool present) : g_(g), present_(present) {}
    std::int32_t resolutionDpi() override { return present_ ? g_.dpi : 600; }
    kelvarin::PrinterGeometry geometry() override {
        if (!present_) {
            throw kelvarin::PrinterMissing();
        }
        return g_;
    }
    void beginDocument(std::string_view) override {
        check(!open_, "document begun twice");
        open_ = true;
        pages_ = 1;
    }
    void newPage() override {
        check(open_, "page outside a document");
        ++pages_;
        check(pages_ <= 9 * kelvarin::kMaxTilesPerTemplate, "more pages than tiles");
    }
    void endDocument() override {
        check(open_, "end without a document");
        open_ = false;
    }
    kelvarin::Canvas& pageCanvas() override { return canvas_; }
    bool open_ = false;

private:
    kelvarin::PrinterGeometry g_;
    bool present_;
    int pages_ = 0;
    NullCanvas canvas_;
};

// Every section's outline, view bitmap, caption and drawing, as the window shows them.
void checkSectionViews(const kelvarin::PropellerDesign& d, std::int32_t dpi,
                       const kelvarin::SectionOptions& options) {
    try {
        const kelvarin::SectionOutlines outlines =
            kelvarin::buildSectionOutlines(d, dpi, options.turned);
        for (int n = kelvarin::kFirstSection; n <= kelvarin::kLastSection; ++n) {
            const kelvarin::SectionPolyline& o = outlines.section(n);
            try {
                const kelvarin::ViewBitmapSize s = kelvarin::sectionBitmapSize(outlines, n);
                check(s.width >= 0 && s.height >= 0, "negative bitmap");
                check(
                    static_cast<std::int64_t>(s.width) * s.height <= kelvarin::kMaxViewBitmapPixels,
                    "bitmap beyond its bound");
            } catch (const kelvarin::Failure&) {
            }
            (void)kelvarin::sectionViewCaption(d, n);
            NullCanvas canvas;
            kelvarin::drawOutline(canvas, o, options.controlMarks, dpi);
        }
    } catch (const kelvarin::Failure&) {
    }
}

// The templates printed on a printer of that geometry, or laid out on one untiled sheet.
void checkTemplates(const kelvarin::PropellerDesign& d, kelvarin::PrinterGeometry g, bool present,
                    bool tiled, const kelvarin::SectionOptions& options) {
    FakePrinter printer(g, present);
    try {
        if (tiled) {
            kelvarin::printTemplates(d, printer, options);
        } else {
            const kelvarin::TemplateDocument sheet =
                kelvarin::layOutTemplateSheet(d, g.dpi, options);
            check(sheet.pages.size() == 1, "a sheet of more than one page");
            check(sheet.page.pageWidthPx > 0 && sheet.page.pageHeightPx > 0, "an empty sheet");
        }
    } catch (const kelvarin::Failure&) {
    }
    check(!printer.open_, "a failed print job left its document open");
}

double takeValue(FuzzInput& in) {
    const double v = in.take<double>();
    return std::isfinite(v) ? v : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    kelvarin::PropellerDesign d;
    kelvarin::SectionOptions options;
    options.turned = in.takeBool();
    options.controlMarks = in.takeBool();
    const bool turnedTemplates = in.takeBool();
    const auto printerByte = in.take<std::uint8_t>();
    const bool present = printerByte % 16 != 0;
    // One layout a run, tiled for the printer or the untiled sheet: laying out is most of a
    // run's time, and the corpus reaches both.
    const bool tiled = (printerByte & 0x10) != 0;
    kelvarin::PrinterGeometry g;
    g.dpi = in.take<std::int32_t>();
    g.pageWidthPx = in.take<std::int32_t>();
    g.pageHeightPx = in.take<std::int32_t>();
    d.sizing.diameterCm = takeValue(in);
    // A few stations' values and profile points from the input, the rest a plausible design.
    for (std::size_t i = 0; i < kelvarin::kStationCount; ++i) {
        d.stations.bladeWidthM[i] = 0.06;
        d.stations.bladeAngleDeg[i] = 30;
        d.stations.chordM[i] = 0.07;
        d.stations.axialDepthM[i] = 0.03;
        for (std::size_t j = 0; j < kelvarin::kProfilePointCount; ++j) {
            d.profiles[i].xMm[j] = 5.0 * static_cast<double>(j);
            d.profiles[i].upperMm[j] = 3;
        }
    }
    while (in.take<std::uint8_t>() != 0) {
        const std::size_t i = in.take<std::uint8_t>() % kelvarin::kStationCount;
        const std::size_t j = in.take<std::uint8_t>() % kelvarin::kProfilePointCount;
        switch (in.take<std::uint8_t>() % 7) {
            case 0:
                d.stations.bladeWidthM[i] = takeValue(in);
                break;
            case 1:
                d.stations.bladeAngleDeg[i] = takeValue(in);
                break;
            case 2:
                d.stations.chordM[i] = takeValue(in);
                break;
            case 3:
                d.stations.axialDepthM[i] = takeValue(in);
                break;
            case 4:
                d.profiles[i].xMm[j] = takeValue(in);
                break;
            case 5:
                d.profiles[i].upperMm[j] = takeValue(in);
                break;
            default:
                d.profiles[i].lowerMm[j] = takeValue(in);
                break;
        }
    }

    // Each step once for each distinct thing it reads: the section views read the design, the
    // resolution and two options, the sheet also the turned templates, the print job also the
    // page and whether there is a printer.
    static SeenBefore views;
    static SeenBefore layouts;
    std::string key(bytesOf(d));
    key += bytesOf(g.dpi);
    key += static_cast<char>(options.turned * 2 + options.controlMarks);
    if (!views(key)) {
        checkSectionViews(d, g.dpi, options);
    }
    key += static_cast<char>(turnedTemplates * 2 + tiled);
    if (tiled) {
        key += bytesOf(g);
        key += static_cast<char>(present);
    }
    if (!layouts(key)) {
        checkTemplates(d, g, present, tiled, {turnedTemplates, options.controlMarks});
    }
    return 0;
}
