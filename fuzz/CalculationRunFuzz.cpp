// SPDX-License-Identifier: GPL-3.0-or-later
// Whole calculation runs from six arbitrary field texts and the two mode states, several in a
// row on the same design, each followed by the report and the section view as the window runs
// them: each ends complete or by a failure, the outcome's writes and messages agree with its
// texts, the design keeps its invariants, and the last completed run's report is Windows-1251
// with CR LF line ends and the right number of lines.
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "FuzzInput.h"
#include "SeenBefore.h"
#include "core/CalculationRun.h"
#include "core/DecimalSeparator.h"
#include "core/Failure.h"
#include "core/SectionOptions.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "report/DataReport.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

char separator = ',';
char chosenSeparator() {
    return separator;
}

class NullCanvas : public kelvarin::Canvas {
public:
    void setPenWidth(std::int32_t) override {}
    void setPenColor(kelvarin::Rgb) override {}
    void setPenStyle(kelvarin::PenStyle) override {}
    void polyBezier(const std::array<kelvarin::OutlinePoint, 4>&) override {}
    void ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void line(kelvarin::OutlinePoint, kelvarin::OutlinePoint) override {}
    void text(kelvarin::OutlinePoint, std::string_view) override {}
    std::string fontName() const override { return "DejaVu Sans"; }
    void setFontName(std::string_view) override {}
    int fontSizePoints() const override { return 8; }
    void setFontSizePoints(int) override {}
    void setClip(std::optional<kelvarin::PixelRect>) override {}
};

// Scanned with the C library's functions, not a loop of our own, whose every byte's comparisons
// the fuzzer's instrumentation would trace: that was a fifth of a run's time.
void checkReport(const std::string& bytes, bool manual) {
    // Every control character but CR and LF, and the one byte Windows-1251 leaves undefined.
    static const std::string kForbidden = [] {
        std::string forbidden = "\x98";
        for (char c = 1; c < 0x20; ++c) {
            if (c != '\r' && c != '\n') {
                forbidden += c;
            }
        }
        return forbidden;
    }();
    check(std::strlen(bytes.c_str()) == bytes.size(), "a zero byte in the report");
    check(std::strcspn(bytes.c_str(), kForbidden.c_str()) == bytes.size(),
          "a control character or an undefined byte in the report");
    for (const char* at = bytes.c_str(); (at = std::strchr(at, '\r')) != nullptr; ++at) {
        check(at[1] == '\n', "CR without LF");
    }
    int lines = 0;
    for (const char* at = bytes.c_str(); (at = std::strchr(at, '\n')) != nullptr; ++at) {
        check(at > bytes.c_str() && at[-1] == '\r', "LF without CR");
        ++lines;
    }
    check(!bytes.empty() && bytes.back() == '\n', "last line not ended");
    check(lines == (manual ? 603 : 607), "line count");
}

// The section view's step, as the window runs it after a completed calculation.
void showSection(const kelvarin::PropellerDesign& design, const kelvarin::SectionOptions& options,
                 int section) {
    const kelvarin::SectionOutlines outlines =
        kelvarin::buildViewOutlines(design, 600, options.turned, section);
    (void)kelvarin::sectionViewCaption(design, section);
    const kelvarin::ViewBitmapSize size = kelvarin::sectionBitmapSize(outlines, section);
    check(size.width >= 0 && size.height >= 0, "negative bitmap");
    NullCanvas canvas;
    kelvarin::drawOutline(canvas, outlines.section(section), options.controlMarks, outlines.dpi);
}

// The writes replayed over the texts the run started from give the texts it reports, and each
// message lies within the writes.
void checkFields(const kelvarin::FieldTexts& before, const kelvarin::CalculationOutcome& run) {
    kelvarin::FieldTexts replayed = before;
    for (const kelvarin::FieldWrite& w : run.fieldWrites) {
        replayed[kelvarin::fieldIndex(w.field)] = w.text;
    }
    check(replayed == run.fieldTexts, "writes do not give the final texts");
    std::size_t last = 0;
    for (const kelvarin::FieldMessage& m : run.messages) {
        check(m.writesBefore >= last && m.writesBefore < run.fieldWrites.size(),
              "a message out of place among the writes");
        last = m.writesBefore;
    }
    check(run.messages.size() <= 8, "too many messages");
    check(run.notANumberField.has_value() == (run.end == kelvarin::RunEnd::NotANumber),
          "a field named without a conversion failure");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    separator = in.takeBool() ? ',' : '.';
    kelvarin::setDecimalSeparatorSource(&chosenSeparator);
    kelvarin::PropellerDesign design;
    kelvarin::FieldTexts texts = kelvarin::startTexts();
    // The report, most of a run's time, of the last completed run only and once for each
    // design, mode and separator: its few hundred lines are alike for every design, so one a
    // run checks no more than one an input, and the same design gives the same bytes.
    std::optional<std::pair<kelvarin::PropellerDesign, kelvarin::InputMode>> reported;
    for (int run = 0; run < 4 && in.take<std::uint8_t>() != 0; ++run) {
        const bool manual = in.takeBool();
        const bool diam = in.takeBool();
        kelvarin::SectionOptions options;
        options.turned = in.takeBool();
        options.controlMarks = in.takeBool();
        const int section = 3 + in.take<std::uint8_t>() % 9;
        // Change some fields, as a user typing or pasting between runs.
        for (kelvarin::InputField f : kelvarin::kInputFields) {
            if (in.takeBool()) {
                texts[kelvarin::fieldIndex(f)] = in.takeString(24);
            }
        }
        const kelvarin::InputMode mode = manual ? kelvarin::InputMode::Manual
                                         : diam ? kelvarin::InputMode::ByDiameter
                                                : kelvarin::InputMode::Calculated;
        const kelvarin::CalculationOutcome outcome = kelvarin::runCalculation(texts, mode, design);
        checkFields(texts, outcome);
        texts = outcome.fieldTexts;
        design = outcome.design;
        if (outcome.completed()) {
            reported.emplace(design, mode);
            try {
                showSection(design, options, section);
            } catch (const kelvarin::Failure&) {
            }
        }
        for (int k = 1; k <= 2; ++k) {
            for (std::size_t j = 0; j < kelvarin::kProfilePointCount; ++j) {
                const kelvarin::SectionProfile& p = design.profiles[kelvarin::stationIndex(k)];
                check(p.xMm[j] == 0 && p.upperMm[j] == 0 && p.lowerMm[j] == 0,
                      "hub stations got a profile");
            }
        }
        for (const kelvarin::SectionProfile& p : design.profiles) {
            for (std::size_t j = 5; j < kelvarin::kProfilePointCount; ++j) {
                check(p.lowerMm[j] == 0, "the flat bottom is not flat");
            }
        }
    }
    static SeenBefore reports;
    if (reported) {
        const auto& [lastDesign, lastMode] = *reported;
        std::string key(bytesOf(lastDesign));
        key += static_cast<char>(lastMode);
        key += separator;
        if (!reports(key)) {
            checkReport(kelvarin::reportText(lastDesign, lastMode),
                        lastMode == kelvarin::InputMode::Manual);
        }
    }
    return 0;
}
