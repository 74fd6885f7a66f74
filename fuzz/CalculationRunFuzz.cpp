// SPDX-License-Identifier: GPL-3.0-or-later
// Whole calculation runs from six arbitrary field texts and the two mode states, several in a
// row on the same design: each ends complete or by a failure, the state keeps its invariants,
// and every report is Windows-1251 with CR LF line ends and the right number of lines.
#include <array>
#include <cstdio>
#include <map>
#include <string>

#include "FuzzInput.h"
#include "core/CalculationRun.h"
#include "core/DecimalSeparator.h"
#include "core/Failure.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "report/DataReport.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

char separator = ',';
char Separator() {
    return separator;
}

class NullCanvas : public kelvarin::Canvas {
public:
    void SetPenWidth(std::int32_t) override {}
    void SetPenColor(kelvarin::Rgb) override {}
    void SetPenStyle(kelvarin::PenStyle) override {}
    void PolyBezier(const std::array<kelvarin::OutlinePoint, 4>&) override {}
    void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void Line(kelvarin::OutlinePoint, kelvarin::OutlinePoint) override {}
    void Text(kelvarin::OutlinePoint, std::string_view) override {}
    std::string FontName() const override { return "DejaVu Sans"; }
    void SetFontName(std::string_view) override {}
    int FontSizePoints() const override { return 8; }
};

class FakePrinter : public kelvarin::Printer {
public:
    kelvarin::PrinterGeometry Geometry() override { return {600, 4760, 6814}; }
    void BeginDocument(std::string_view) override {}
    void NewPage() override {}
    void EndDocument() override {}
    kelvarin::Canvas& PageCanvas() override { return canvas_; }

private:
    NullCanvas canvas_;
};

void CheckReport(const std::string& bytes, bool manual) {
    int lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        Check(c != 0x98, "a byte Windows-1251 leaves undefined");
        Check(c >= 0x20 || c == '\r' || c == '\n', "a control character in the report");
        if (c == '\r') {
            Check(i + 1 < bytes.size() && bytes[i + 1] == '\n', "CR without LF");
        }
        if (c == '\n') {
            Check(i > 0 && bytes[i - 1] == '\r', "LF without CR");
            ++lines;
        }
    }
    Check(!bytes.empty() && bytes.back() == '\n', "last line not ended");
    Check(lines == (manual ? 603 : 607), "line count");
}

class FuzzWindow : public kelvarin::CalculationWindow {
public:
    std::string FieldText(kelvarin::InputField f) const override { return texts.at(f); }
    void SetFieldText(kelvarin::InputField f, const std::string& t) override { texts[f] = t; }
    bool ManualChecked() const override { return manual; }
    bool DiamChecked() const override { return diam; }
    void ShowMessage(std::string_view) override { ++messages; }
    void WriteReport() override { CheckReport(kelvarin::ReportText(*design, manual), manual); }
    void ShowSelectedSection() override {
        FakePrinter printer;
        kelvarin::BuildSectionOutlines(*design, printer);
        (void)kelvarin::SectionViewCaption(*design, section);
        const kelvarin::ViewBitmapSize size = kelvarin::SectionBitmapSize(*design, section);
        Check(size.width >= 0 && size.height >= 0, "negative bitmap");
        NullCanvas canvas;
        kelvarin::DrawOutline(canvas, kelvarin::SectionOutline(*design, section),
                              design->ShowControl);
    }

    kelvarin::PropellerDesign* design = nullptr;
    std::map<kelvarin::InputField, std::string> texts;
    bool manual = false;
    bool diam = false;
    int section = 3;
    int messages = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    separator = in.TakeBool() ? ',' : '.';
    kelvarin::SetDecimalSeparatorSource(&Separator);
    kelvarin::PropellerDesign design;
    FuzzWindow window;
    window.design = &design;
    for (kelvarin::InputField f : kelvarin::kInputFields) {
        window.texts[f] = kelvarin::StartText(f);
    }
    for (int run = 0; run < 4 && in.Take<std::uint8_t>() != 0; ++run) {
        window.manual = in.TakeBool();
        window.diam = in.TakeBool();
        design.ShowUgol = in.TakeBool();
        design.ShowControl = in.TakeBool();
        window.section = 3 + in.Take<std::uint8_t>() % 9;
        // Change some fields, as a user typing or pasting between runs.
        for (kelvarin::InputField f : kelvarin::kInputFields) {
            if (in.TakeBool()) {
                window.texts[f] = in.TakeString(24);
            }
        }
        kelvarin::RunCalculation(design, window);
        for (int k = 1; k <= 2; ++k) {
            for (std::size_t j = 0; j < kelvarin::kProfilePointCount; ++j) {
                const kelvarin::SectionProfile& p = design.Profiles[kelvarin::StationIndex(k)];
                Check(p.X[j] == 0 && p.Yv[j] == 0 && p.Yn[j] == 0, "hub stations got a profile");
            }
        }
        for (const kelvarin::SectionProfile& p : design.Profiles) {
            for (std::size_t j = 5; j < kelvarin::kProfilePointCount; ++j) {
                Check(p.Yn[j] == 0, "the flat bottom is not flat");
            }
        }
        Check(window.messages <= 6 * (run + 1) + 2 * (run + 1), "too many messages");
    }
    return 0;
}
