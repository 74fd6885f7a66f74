// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {
namespace {

// The printable area of A4 on a printer with 4.2 mm margins, at a resolution.
PrinterGeometry A4At(std::int32_t dpi) {
    return {dpi, 4760 * dpi / 600, 6814 * dpi / 600};
}

double Millimetres(std::int32_t pixels, std::int32_t dpi) {
    return pixels * 25.4 / dpi;
}

// Each element's box on the page, as far as its clip lets it show. Alignment crosses are left
// out: they belong inside a tiled outline's box.
std::map<int, PixelRect> ElementBoxes(const TemplatePage& page) {
    std::map<int, PixelRect> boxes;
    for (const TemplateItem& item : page.items) {
        if (item.layer == TemplateLayer::Marks && std::holds_alternative<LineShape>(item.shape)) {
            continue;
        }
        PixelRect box = itemBounds(item);
        if (item.clip) {
            box = {std::max(box.left, item.clip->left), std::max(box.top, item.clip->top),
                   std::min(box.right, item.clip->right), std::min(box.bottom, item.clip->bottom)};
        }
        boxes[item.element] = unite(boxes[item.element], box);
    }
    return boxes;
}

void ExpectNothingOverlaps(const TemplateDocument& doc) {
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const auto boxes = ElementBoxes(doc.pages[p]);
        for (auto a = boxes.begin(); a != boxes.end(); ++a) {
            const PixelRect& r = a->second;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= doc.page.pageWidthPx &&
                        r.bottom <= doc.page.pageHeightPx)
                << "page " << p << ", element " << a->first << " leaves the printable area";
            for (auto b = std::next(a); b != boxes.end(); ++b) {
                EXPECT_FALSE(overlaps(r, b->second))
                    << "page " << p << ": elements " << a->first << " and " << b->first;
            }
        }
    }
}

TEST(TemplateLayout, NothingOverlapsAndNothingLeavesThePage) {
    const PropellerDesign start = testing::DefaultDesign();
    const PropellerDesign large = testing::DesignOf("250", "1,5");  // tiled where turned
    for (std::int32_t dpi : {300, 600, 1200}) {
        for (const SectionOptions options :
             {SectionOptions{false, false}, SectionOptions{true, false},
              SectionOptions{true, true}}) {
            SCOPED_TRACE(::testing::Message() << dpi << " dpi, turned " << options.turned
                                              << ", marks " << options.controlMarks);
            ExpectNothingOverlaps(layOutTemplates(start, A4At(dpi), options));
            ExpectNothingOverlaps(layOutTemplates(large, A4At(dpi), options));
        }
    }
}

TEST(TemplateLayout, LinesAndMarksKeepTheirSizeOnPaper) {
    const PropellerDesign d = testing::DefaultDesign();
    for (std::int32_t dpi : {300, 600, 1200, 2400}) {
        SCOPED_TRACE(dpi);
        const TemplateDocument doc = layOutTemplates(d, A4At(dpi), {true, true});
        for (const TemplatePage& page : doc.pages) {
            for (const TemplateItem& item : page.items) {
                if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                    EXPECT_GE(text->fontPoints, 6);
                    EXPECT_LE(text->fontPoints, 8);
                } else if (const auto* mark = std::get_if<EllipseShape>(&item.shape)) {
                    // 11 pixels at 600 dpi and below, 0.47 mm above it.
                    const std::int32_t size = mark->bounds.right - mark->bounds.left;
                    EXPECT_EQ(size, dpi <= 600 ? 11 : 11 * dpi / 600);
                } else {
                    EXPECT_GE(Millimetres(item.pen.widthPx, dpi), 0.08);
                }
            }
        }
    }
}

// The tiles of a turned section too large for A4: each page shows a window of the sheet, and
// put back where the tile's step says, every page shows the same outline at the same place.
TEST(TemplateLayout, TilesOfALargeSectionJoinAtTrueSize) {
    const PropellerDesign d = testing::DesignOf("250", "1,5");
    const TemplateDocument doc = layOutTemplates(d, A4At(600), {true, false});
    const auto tiled = std::find_if(doc.placements.begin(), doc.placements.end(),
                                    [](const TemplatePlacement& p) { return p.tileCount() > 1; });
    ASSERT_NE(tiled, doc.placements.end());
    const TemplatePlacement& p = *tiled;
    EXPECT_EQ(p.windowTop, 200);
    // Neighbours share 10 mm: 236 pixels at 600 dpi.
    EXPECT_EQ(4760 - p.tileStepX, 236);
    EXPECT_EQ(6814 - 200 - p.tileStepY, 236);

    const auto sheetSegments = outlineSegments(doc.outlines.section(p.section));
    std::map<std::pair<std::int32_t, std::int32_t>, int> crossTiles;  // centre on the sheet
    for (int t = 0; t < p.tileCount(); ++t) {
        SCOPED_TRACE(t);
        const TemplatePage& page = doc.pages[static_cast<std::size_t>(p.firstPage + t)];
        const std::int32_t dx = (t % p.columns) * p.tileStepX;
        const std::int32_t dy = (t / p.columns) * p.tileStepY - p.windowTop;
        std::set<std::string> texts;
        int outlines = 0;
        for (const TemplateItem& item : page.items) {
            if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                texts.insert(text->text);
                continue;
            }
            EXPECT_EQ(item.clip, (PixelRect{0, 200, 4760, 6814}));
            TemplateItem back = item;
            translateItem(back, dx, dy);
            if (const auto* path = std::get_if<BezierPath>(&back.shape)) {
                ++outlines;
                EXPECT_TRUE(std::equal(path->segments.begin(), path->segments.end(),
                                       sheetSegments.begin(), sheetSegments.end()));
            } else if (item.layer == TemplateLayer::Marks) {
                const auto& line = std::get<LineShape>(back.shape);
                if (line.from.y == line.to.y) {
                    ++crossTiles[{(line.from.x + line.to.x) / 2, line.from.y}];
                }
                // A cross lies whole inside the window of every tile it is on.
                const PixelRect box = itemBounds(item);
                EXPECT_TRUE(box.left >= 0 && box.right <= 4760 && box.top >= 200 &&
                            box.bottom <= 6814);
            }
        }
        EXPECT_EQ(outlines, 1);
        EXPECT_TRUE(texts.count(sectionCaption(p.section)));
        EXPECT_TRUE(
            texts.count("лист " + std::to_string(t + 1) + " из " + std::to_string(p.tileCount())));
    }
    ASSERT_FALSE(crossTiles.empty());
    for (const auto& [centre, tiles] : crossTiles) {
        EXPECT_GE(tiles, 2) << "a cross at " << centre.first << ", " << centre.second;
    }
}

TEST(TemplateLayout, ASectionNeedingMoreThanSixteenTilesIsRefusedBeforePrinting) {
    const PropellerDesign d = testing::DesignOf("900", "9");
    testing::FakePrinter printer(A4At(600));
    try {
        printTemplates(d, printer, {true, false});
        FAIL() << "expected a refusal";
    } catch (const Failure& e) {
        const std::string text = e.what();
        EXPECT_TRUE(text.starts_with("Шаблоны не напечатаны: сечение")) << text;
        EXPECT_NE(text.find("больше 16"), std::string::npos) << text;
    }
    EXPECT_TRUE(printer.calls.empty());
}

}  // namespace
}  // namespace kelvarin
