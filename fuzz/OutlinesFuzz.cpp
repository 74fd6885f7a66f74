// SPDX-License-Identifier: GPL-3.0-or-later
// Outlines, the outline drawing, the view bitmap size and the print job for arbitrary designs
// and printer geometries: every result either fits its integers or ends as a Failure; nothing
// wraps (UBSan traps on signed overflow) and no size comes out negative.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "FuzzInput.h"
#include "core/Failure.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/Printer.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "drawing/TemplatePrint.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

class NullCanvas : public kelvarin::Canvas {
public:
    void SetPenWidth(std::int32_t width) override { Check(width >= 0, "negative pen"); }
    void SetPenColor(kelvarin::Rgb) override {}
    void SetPenStyle(kelvarin::PenStyle) override {}
    void PolyBezier(const std::array<kelvarin::OutlinePoint, 4>&) override {}
    void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override {
        Check(right > left && bottom > top, "inverted mark");
    }
    void Line(kelvarin::OutlinePoint, kelvarin::OutlinePoint) override {}
    void Text(kelvarin::OutlinePoint, std::string_view) override {}
    std::string FontName() const override { return font_; }
    void SetFontName(std::string_view name) override { font_ = name; }
    int FontSizePoints() const override { return 10; }

private:
    std::string font_ = "DejaVu Sans";
};

class FakePrinter : public kelvarin::Printer {
public:
    explicit FakePrinter(kelvarin::PrinterGeometry g, bool present) : g_(g), present_(present) {}
    kelvarin::PrinterGeometry Geometry() override {
        if (!present_) {
            throw kelvarin::PrinterMissing();
        }
        return g_;
    }
    void BeginDocument(std::string_view) override {
        Check(!open_, "document begun twice");
        open_ = true;
        pages_ = 1;
    }
    void NewPage() override {
        Check(open_, "page outside a document");
        ++pages_;
        Check(pages_ <= 20, "more pages than sections");
    }
    void EndDocument() override {
        Check(open_, "end without a document");
        open_ = false;
    }
    kelvarin::Canvas& PageCanvas() override { return canvas_; }
    bool open_ = false;

private:
    kelvarin::PrinterGeometry g_;
    bool present_;
    int pages_ = 0;
    NullCanvas canvas_;
};

double TakeValue(FuzzInput& in) {
    const double v = in.Take<double>();
    return std::isfinite(v) ? v : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    kelvarin::PropellerDesign d;
    d.ShowUgol = in.TakeBool();
    d.ShowControl = in.TakeBool();
    const bool ugolChecked = in.TakeBool();
    const bool present = (in.Take<std::uint8_t>() % 16) != 0;
    kelvarin::PrinterGeometry g;
    g.LogPixelsX = in.Take<std::int32_t>();
    g.HorzRes = in.Take<std::int32_t>();
    g.VertRes = in.Take<std::int32_t>();
    d.Dv = TakeValue(in);
    // A few stations' values and profile points from the input, the rest a plausible design.
    for (std::size_t i = 0; i < kelvarin::kStationCount; ++i) {
        d.Stations.Bl[i] = 0.06;
        d.Stations.Alpha[i] = 30;
        d.Stations.BlCos[i] = 0.07;
        d.Stations.Hc[i] = 0.03;
        for (std::size_t j = 0; j < kelvarin::kProfilePointCount; ++j) {
            d.Profiles[i].X[j] = 5.0 * static_cast<double>(j);
            d.Profiles[i].Yv[j] = 3;
        }
    }
    while (in.Take<std::uint8_t>() != 0) {
        const std::size_t i = in.Take<std::uint8_t>() % kelvarin::kStationCount;
        const std::size_t j = in.Take<std::uint8_t>() % kelvarin::kProfilePointCount;
        switch (in.Take<std::uint8_t>() % 7) {
            case 0:
                d.Stations.Bl[i] = TakeValue(in);
                break;
            case 1:
                d.Stations.Alpha[i] = TakeValue(in);
                break;
            case 2:
                d.Stations.BlCos[i] = TakeValue(in);
                break;
            case 3:
                d.Stations.Hc[i] = TakeValue(in);
                break;
            case 4:
                d.Profiles[i].X[j] = TakeValue(in);
                break;
            case 5:
                d.Profiles[i].Yv[j] = TakeValue(in);
                break;
            default:
                d.Profiles[i].Yn[j] = TakeValue(in);
                break;
        }
    }

    FakePrinter printer(g, present);
    try {
        kelvarin::BuildSectionOutlines(d, printer);
        for (int n = kelvarin::kFirstSection; n <= kelvarin::kLastSection; ++n) {
            const kelvarin::SectionPolyline& o = kelvarin::SectionOutline(d, n);
            try {
                const kelvarin::ViewBitmapSize s = kelvarin::SectionBitmapSize(d, n);
                Check(s.width >= 0 && s.height >= 0, "negative bitmap");
                Check(
                    static_cast<std::int64_t>(s.width) * s.height <= kelvarin::kMaxViewBitmapPixels,
                    "bitmap beyond its bound");
            } catch (const kelvarin::Failure&) {
            }
            (void)kelvarin::SectionViewCaption(d, n);
            NullCanvas canvas;
            kelvarin::DrawOutline(canvas, o, d.ShowControl);
        }
    } catch (const kelvarin::Failure&) {
    }
    try {
        kelvarin::PrintTemplates(d, printer, ugolChecked);
    } catch (const kelvarin::Failure&) {
    }
    Check(!printer.open_, "a failed print job left its document open");
    return 0;
}
