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
            ExpectNothingOverlaps(layOutTemplateSheet(large, dpi, options, "07.12.2026"));
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
    // The window ends above the foot (the calibration bars and the design line); neighbours
    // share 10 mm of it: 236 pixels at 600 dpi.
    const PixelRect window{0, 200, 4760, 6562};
    EXPECT_EQ(4760 - p.tileStepX, 236);
    EXPECT_EQ(window.bottom - 200 - p.tileStepY, 236);

    const auto sheetSegments = outlineSegments(doc.outlines.section(p.section));
    std::map<std::pair<std::int32_t, std::int32_t>, int> crossTiles;  // centre on the sheet
    for (int t = 0; t < p.tileCount(); ++t) {
        SCOPED_TRACE(t);
        const TemplatePage& page =
            doc.pages[static_cast<std::size_t>(p.firstPage) + static_cast<std::size_t>(t)];
        const std::int32_t dx = (t % p.columns) * p.tileStepX;
        const std::int32_t dy = (t / p.columns) * p.tileStepY - p.windowTop;
        std::set<std::string> texts;
        int outlines = 0;
        for (const TemplateItem& item : page.items) {
            if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                texts.insert(text->text);
                continue;
            }
            if (!item.clip) {
                continue;  // the foot
            }
            EXPECT_EQ(item.clip, window);
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
                EXPECT_TRUE(overlaps(itemBounds(item), window) &&
                            unite(itemBounds(item), window) == window);
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

// The planform's width at each station is the blade width there, and its trailing edge passes
// through the end of every station line; on a sheet, where nothing is tiled.
TEST(TemplateLayout, PlanformIsAsWideAsTheBladeAtEveryStation) {
    const PropellerDesign d = testing::DefaultDesign();
    const TemplateDocument sheet = layOutTemplateSheet(d, 1200, {});
    ASSERT_EQ(sheet.pages.size(), 1u);
    const auto& items = sheet.pages[0].items;
    const auto outline = std::find_if(items.begin(), items.end(), [](const TemplateItem& item) {
        const auto* path = std::get_if<BezierPath>(&item.shape);
        return path != nullptr && path->segments.size() == 20;  // ten stations, two edges
    });
    ASSERT_NE(outline, items.end());
    std::set<std::pair<std::int32_t, std::int32_t>> ends;
    for (const BezierSegment& s : std::get<BezierPath>(outline->shape).segments) {
        ends.insert({s[0].x, s[0].y});
    }
    std::vector<LineShape> stations;
    for (const TemplateItem& item : items) {
        if (item.element == outline->element && item.layer == TemplateLayer::ReferenceLines) {
            stations.push_back(std::get<LineShape>(item.shape));
        }
    }
    ASSERT_EQ(stations.size(), 10u);  // stations 2 to 11, hub to tip
    const double pixelsPerMetre = 1200 / 0.0254;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const int k = static_cast<int>(i) + 2;
        SCOPED_TRACE(k);
        EXPECT_EQ(stations[i].from.y, stations[i].to.y);
        EXPECT_NEAR(stations[i].to.x - stations[i].from.x,
                    d.stations.bladeWidthM[stationIndex(k)] * pixelsPerMetre, 0.5);
        EXPECT_TRUE(ends.count({stations[i].to.x, stations[i].to.y}));
        // At its true radius: a tenth of the tip radius apart.
        if (i > 0) {
            EXPECT_NEAR(stations[i].from.y - stations[i - 1].from.y,
                        0.1 * d.sizing.diameterCm / 200 * pixelsPerMetre, 1);
        }
    }
}

// Every page carries the 100 mm and the 4-inch bar at true size and the design line, below
// everything else on it.
TEST(TemplateLayout, EveryPageEndsWithTheCalibrationBarsAndTheDesignLine) {
    const TemplateDocument doc =
        layOutTemplates(testing::DefaultDesign(), A4At(600), {true, false}, "07.12.2026");
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        SCOPED_TRACE(p);
        std::set<std::int32_t> bars;
        std::map<std::string, std::int32_t> textTops;
        std::int32_t contentBottom = 0;
        for (const TemplateItem& item : doc.pages[p].items) {
            if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                textTops[text->text] = text->box.top;
            }
            const auto* line = std::get_if<LineShape>(&item.shape);
            if (item.layer == TemplateLayer::Marks && line != nullptr && !item.clip) {
                if (line->from.y == line->to.y) {
                    bars.insert(line->to.x - line->from.x);  // the bars, not their end ticks
                }
            } else if (item.layer != TemplateLayer::Text) {
                const std::int32_t bottom = itemBounds(item).bottom;
                contentBottom = std::max(contentBottom,
                                         item.clip ? std::min(bottom, item.clip->bottom) : bottom);
            }
        }
        EXPECT_EQ(bars, (std::set<std::int32_t>{2362, 2400}));  // 100 mm and 4 in at 600 dpi
        EXPECT_TRUE(textTops.count("100 мм") && textTops.count("4 дюйма"));
        ASSERT_TRUE(textTops.count("Воздушный винт: диаметр 151,7 см, шаг 0,52 м; 07.12.2026"));
        EXPECT_GT(textTops.at("100 мм"), contentBottom);
    }
}

TEST(TemplateLayout, TooManyPagesOrTooLargeASheetIsRefused) {
    try {
        layOutTemplates(testing::DesignOf("450", "1,5"), A4At(600), {true, false});
        FAIL() << "expected a refusal";
    } catch (const TemplateLayoutError& e) {
        EXPECT_NE(std::string(e.what()).find("больше 48 страниц"), std::string::npos) << e.what();
    }
    EXPECT_THROW(layOutTemplateSheet(testing::DesignOf("5000", "1,5"), 1200, {}),
                 TemplateLayoutError);
}

}  // namespace
}  // namespace kelvarin
