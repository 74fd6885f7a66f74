// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplatePrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

using testing::FakePrinter;
using testing::RecordingCanvas;
using testing::ScopedSeparator;
using testing::Stroke;

// One printed section as read back from the strokes.
struct Printed {
    int page = 0;
    std::int32_t captionTop = 0;
    std::int32_t top = 0;     // smallest Y of the outline's points
    std::int32_t bottom = 0;  // Y of the trailing edge
    std::int32_t cutY = 0;
};

class Printing : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    PropellerDesign d = testing::DefaultDesign();
    FakePrinter printer{{600, 4760, 6814}};

    const RecordingCanvas& canvas() const { return printer.canvas; }

    // A job of more than one page starts with the overview.
    bool HasOverview() const {
        const auto& all = canvas().strokes;
        return std::any_of(all.begin(), all.end(), [](const Stroke& s) {
            return s.page == 0 && s.text.starts_with("Обзор шаблонов");
        });
    }
    // The strokes of the template pages, counted from 0 after the overview.
    std::vector<Stroke> Of(Stroke::Kind kind) const {
        const int first = HasOverview() ? 1 : 0;
        std::vector<Stroke> out;
        for (Stroke s : canvas().Of(kind)) {
            if (s.page >= first) {
                s.page -= first;
                out.push_back(std::move(s));
            }
        }
        return out;
    }

    // Captions, outlines and cut lines come in the print order, one of each per section.
    std::vector<Printed> Sections() const {
        std::vector<Printed> out;
        const auto captions = Captions();
        const auto beziers = Of(Stroke::Bezier);
        const auto cuts = CutLines();
        for (std::size_t k = 0; k < captions.size(); ++k) {
            Printed p;
            p.page = captions[k].page;
            p.captionTop = captions[k].points[0].y;
            p.top = std::numeric_limits<std::int32_t>::max();
            for (std::size_t i = 0; i < kSegmentCount; ++i) {
                p.top = std::min(p.top, beziers[k * kSegmentCount + i].points[0].y);
            }
            p.bottom = beziers[k * kSegmentCount].points[0].y;
            p.cutY = cuts[k].points[0].y;
            out.push_back(p);
        }
        return out;
    }
    std::vector<Stroke> Captions() const {
        std::vector<Stroke> out;
        for (const Stroke& s : Of(Stroke::Text)) {
            if (s.text.starts_with("Профиль")) {
                out.push_back(s);
            }
        }
        return out;
    }
    std::vector<Stroke> CutLines() const {
        std::vector<Stroke> out;
        for (const Stroke& s : Of(Stroke::Line)) {
            if (s.penStyle == PenStyle::Dotted) {
                out.push_back(s);
            }
        }
        return out;
    }
    // The width and drop lines of the sections (not the stations of the blade views), as laid
    // out for the printer: the lines of the elements whose outline has a section's 24 pieces.
    std::vector<LineShape> ReferenceLines(const SectionOptions& options) const {
        const TemplateDocument doc = layOutTemplates(d, printer.fixedGeometry, options);
        std::vector<LineShape> out;
        for (const TemplatePage& page : doc.pages) {
            std::set<int> sections;
            for (const TemplateItem& item : page.items) {
                const auto* path = std::get_if<BezierPath>(&item.shape);
                if (path != nullptr && path->segments.size() == kSegmentCount) {
                    sections.insert(item.element);
                }
            }
            for (const TemplateItem& item : page.items) {
                if (item.layer == TemplateLayer::ReferenceLines && sections.count(item.element)) {
                    out.push_back(std::get<LineShape>(item.shape));
                }
            }
        }
        return out;
    }
    int PageCount() const {
        return 1 +
               static_cast<int>(std::count(printer.calls.begin(), printer.calls.end(), "page")) -
               (HasOverview() ? 1 : 0);
    }
};

TEST_F(Printing, FlatDefaultDesignFitsOnePageAt600Dpi) {
    printTemplates(d, printer, {});
    EXPECT_EQ(printer.calls.front(), "begin ''");
    EXPECT_EQ(printer.calls.back(), "end");
    EXPECT_EQ(PageCount(),
              static_cast<int>(layOutTemplates(d, printer.fixedGeometry, {}).pages.size()));
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 9u);
    for (const Printed& p : sections) {
        EXPECT_EQ(p.page, 0);  // the blade views follow on pages of their own
    }
    // The caption's 8-point line (78 pixels) ends 1 mm (24 pixels) above the outline's pen.
    EXPECT_EQ(sections[0].captionTop, 200 - 3 - 24 - 78);
    EXPECT_EQ(sections[0].top, 200);
    EXPECT_EQ(sections[0].bottom, 909);
    EXPECT_EQ(sections[0].cutY, 1009);
    EXPECT_EQ(sections[1].top, 1123);
    EXPECT_EQ(sections[8].cutY, 5171);
    // Further down a section goes lower where its caption needs the room to keep 1 mm from the
    // cut line above it and from its own outline: 59 pixels at 6 points.
    for (std::size_t k = 1; k < sections.size(); ++k) {
        EXPECT_GE(sections[k].top, sections[k - 1].bottom + 200);
        EXPECT_GE(sections[k].captionTop, sections[k - 1].cutY + 3 + 1 + 24);
        EXPECT_LE(sections[k].captionTop + 59 + 24, sections[k].top - 3);
    }
    EXPECT_TRUE(ReferenceLines({}).empty());
}

TEST_F(Printing, CaptionsNameTheRadius) {
    printTemplates(d, printer, {});
    const auto captions = Captions();
    ASSERT_EQ(captions.size(), 9u);
    EXPECT_EQ(captions[0].text, "Профиль сечения лопасти 0,2 радиуса");
    EXPECT_EQ(captions[4].text, "Профиль сечения лопасти 0,6 радиуса");
    EXPECT_EQ(captions[8].text, "Профиль сечения лопасти 1 радиуса");
    for (const Stroke& c : captions) {
        EXPECT_EQ(c.points[0].x, 250);
        EXPECT_EQ(c.font, "DejaVu Sans");
        // The largest size at the top of the page; between sections, 1 mm clear of the cut
        // line above and of the outline below, the smallest.
        EXPECT_EQ(c.fontPoints, &c == &captions[0] ? 8 : 6);
    }
}

TEST_F(Printing, OutlinesAreShiftedToTheirPagePositions) {
    const SectionOutlines flat = buildSectionOutlines(d, 600, false);
    printTemplates(d, printer, {});
    const auto beziers = Of(Stroke::Bezier);
    ASSERT_GT(beziers.size(), 9 * kSegmentCount);
    EXPECT_EQ(beziers[0].points[0],
              (OutlinePoint{flat.section(3)[0].x + 200, flat.section(3)[0].y + 200}));
    const TemplateDocument layout = layOutTemplates(d, printer.fixedGeometry, {});
    EXPECT_EQ(layout.outlines.section(4)[12], (OutlinePoint{200, flat.section(4)[12].y + 1123}));
}

TEST_F(Printing, TurnedDefaultDesignTakesThreePages) {
    printTemplates(d, printer, {.turned = true});
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 9u);
    const std::vector<int> pages{0, 0, 1, 1, 1, 2, 2, 2, 2};
    for (std::size_t k = 0; k < sections.size(); ++k) {
        EXPECT_EQ(sections[k].page, pages[k]) << "section " << k + 3;
        EXPECT_LE(sections[k].cutY, 6814);
    }
    // The outline's origin, not its highest point, goes to the top of a new page.
    const TemplateDocument layout = layOutTemplates(d, printer.fixedGeometry, {.turned = true});
    EXPECT_EQ(layout.placements[2].top, 200);
    EXPECT_EQ(layout.placements[5].top, 200);
}

TEST_F(Printing, CutLinesStayOnThePageAt300Dpi) {
    // A4 at 300 dpi; the last cut line would fall off the first page, and a page break after
    // the last section would leave an empty page.
    printer.fixedGeometry = {300, 2380, 3407};
    for (bool turned : {false, true}) {
        SCOPED_TRACE(turned);
        printer.calls.clear();
        printer.canvas = RecordingCanvas{};
        printTemplates(d, printer, {.turned = turned});
        const auto sections = Sections();
        ASSERT_EQ(sections.size(), 9u);
        int lastPage = 0;
        for (std::size_t k = 0; k < sections.size(); ++k) {
            EXPECT_LE(sections[k].cutY, 3407) << "section " << k + 3;
            if (k > 0 && sections[k].page != sections[k - 1].page) {
                EXPECT_EQ(
                    layOutTemplates(d, printer.fixedGeometry, {.turned = turned}).placements[k].top,
                    200);
                // It would not have fitted below its predecessor.
                const std::int32_t height = sections[k].bottom - 200;
                EXPECT_GT(sections[k - 1].bottom + 200 + height + 100, 3407);
            }
            lastPage = sections[k].page;
        }
        // The blade views follow the sections on pages of their own; no page stays empty.
        EXPECT_GT(PageCount(), lastPage + 1);
        EXPECT_EQ(PageCount(),
                  static_cast<int>(
                      layOutTemplates(d, printer.fixedGeometry, {.turned = turned}).pages.size()));
        EXPECT_EQ(printer.calls.back(), "end");
    }
    // Flat at 300 dpi: sections 3 to 10 fill the first page; section 11 alone, whose cut line
    // would land at 3474, goes to the second.
    printer.canvas = RecordingCanvas{};
    printTemplates(d, printer, {});
    EXPECT_EQ(Sections()[7].page, 0);
    EXPECT_EQ(Sections()[8].page, 1);
    EXPECT_EQ(Sections()[8].cutY, 354);
}

TEST_F(Printing, ReferenceLinesOfTurnedSections) {
    const TemplateDocument layout = layOutTemplates(d, printer.fixedGeometry, {.turned = true});
    const auto lines = ReferenceLines({.turned = true});
    ASSERT_EQ(lines.size(), 18u);
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        SCOPED_TRACE(n);
        const SectionPolyline& o = layout.outlines.section(n);
        const LineShape& across = lines[2 * sectionIndex(n)];
        const LineShape& up = lines[2 * sectionIndex(n) + 1];
        EXPECT_EQ(across.from, o[0]);
        EXPECT_NEAR(across.to.x, 200, 2);  // below the leading end of the chord
        EXPECT_EQ(across.to.y, o[0].y);
        EXPECT_EQ(up.from, across.to);
        EXPECT_EQ(up.to, (OutlinePoint{across.to.x, o[12].y}));
    }
}

TEST_F(Printing, LinesKeepTheirWidthBesideControlMarks) {
    printTemplates(d, printer, {.turned = true, .controlMarks = true});
    EXPECT_EQ(Of(Stroke::Ellipse).size(), 9 * kOutlinePointCount);
    for (const Stroke& s : Of(Stroke::Line)) {
        EXPECT_EQ(s.penWidth, 6);  // 0.25 mm
        EXPECT_EQ(s.penColor, kBlack);
    }
    for (const Stroke& s : CutLines()) {
        EXPECT_EQ(s.penWidth, 6);
    }
}

TEST_F(Printing, CutLineStartsRightOfTheScissors) {
    printTemplates(d, printer, {});
    const auto cuts = CutLines();
    // The nine sections'; the blade views, tiled, have their pages to themselves.
    ASSERT_EQ(cuts.size(), 9u);
    std::vector<Stroke> scissors;
    for (const Stroke& s : Of(Stroke::Text)) {
        if (s.text == "\u2702") {
            scissors.push_back(s);
        }
    }
    ASSERT_EQ(scissors.size(), 9u);
    // 8 points at 600 dpi: 57 pixels wide, 78 high, centred on the line at the page's left.
    EXPECT_EQ(scissors[0].points[0], (OutlinePoint{0, 1009 - 39}));
    EXPECT_EQ(scissors[0].font, "DejaVu Sans");
    for (std::size_t k = 0; k < 9; ++k) {  // the sections', across the page
        const Stroke& c = cuts[k];
        EXPECT_EQ(c.points[0].x, 57 + 6);
        EXPECT_EQ(c.points[1], (OutlinePoint{4756, c.points[0].y}));  // the pen within 4760
        EXPECT_EQ(c.penWidth, 6);
    }
    EXPECT_EQ(canvas().style_, PenStyle::Solid);
    EXPECT_FALSE(canvas().clip_.has_value());
}

// 200 pixels apart and the 14 more a 6-point caption needs to keep 1 mm from either side.
TEST_F(Printing, EmptyDesignPrintsDegenerateOutlinesEvenlyApart) {
    const PropellerDesign empty;
    printTemplates(empty, printer, {});
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 9u);
    for (std::size_t k = 0; k < sections.size(); ++k) {
        EXPECT_EQ(sections[k].top, 200 + 214 * static_cast<std::int32_t>(k));
        EXPECT_EQ(sections[k].bottom, sections[k].top);
    }
    EXPECT_EQ(layOutTemplates(empty, printer.fixedGeometry, {}).outlines.section(11)[0],
              (OutlinePoint{200, 1912}));
}

TEST_F(Printing, FailuresComeBeforeAnyDocument) {
    printer.missing = true;
    try {
        printTemplates(d, printer, {});
        FAIL() << "expected PrinterMissing";
    } catch (const PrinterMissing& e) {
        EXPECT_EQ(std::string(e.what()), kNoDefaultPrinter);
    }
    EXPECT_TRUE(printer.calls.empty());
    printer.missing = false;

    // A pasted negative diameter: every section has a negative size.
    PropellerDesign negative = d;
    for (SectionProfile& p : negative.profiles) {
        for (auto* a : {&p.xMm, &p.upperMm, &p.lowerMm}) {
            for (double& v : *a) {
                v = -v;
            }
        }
    }
    EXPECT_THROW(printTemplates(negative, printer, {}), Failure);
    // A pasted negative pitch turns the trailing edge up above the chord.
    PropellerDesign upward = d;
    for (std::size_t s = 0; s < kStationCount; ++s) {
        upward.stations.bladeAngleDeg[s] = -upward.stations.bladeAngleDeg[s];
        upward.stations.axialDepthM[s] = -upward.stations.axialDepthM[s];
    }
    EXPECT_THROW(printTemplates(upward, printer, {.turned = true}), Failure);
    // A diameter of 1E12 cm.
    PropellerDesign huge = d;
    for (SectionProfile& p : huge.profiles) {
        for (double& x : p.xMm) {
            x *= 1e10;
        }
    }
    try {
        printTemplates(huge, printer, {});
        FAIL() << "expected a failure";
    } catch (const ArithmeticError&) {
        FAIL() << "an overflow must not surface as such";
    } catch (const Failure& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Шаблоны не напечатаны"));
    }
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_TRUE(printer.canvas.strokes.empty());

    // Sections thousands of sheets across are left out; the planform is still printed.
    PropellerDesign tall = d;
    for (SectionProfile& p : tall.profiles) {
        p.upperMm[5] *= 1e6;
    }
    printer.fixedGeometry.pageHeightPx = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(printTemplates(tall, printer, {}).omissions.size(), 10u);
}

TEST_F(Printing, AFailingPrinterStillClosesTheDocument) {
    struct FailingPrinter : FakePrinter {
        using FakePrinter::FakePrinter;
        void newPage() override { throw Failure("Не удалось начать новую страницу"); }
    } failing{printer.fixedGeometry};
    EXPECT_THROW(printTemplates(d, failing, {.turned = true}), Failure);
    EXPECT_EQ(failing.calls, (std::vector<std::string>{"begin ''", "end"}));
}

}  // namespace
}  // namespace kelvarin
