// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {
namespace {

// The printable area of A4 on a printer with 4.2 mm margins, at a resolution.
PrinterGeometry A4At(std::int32_t dpi) {
    return {dpi, 4760 * dpi / 600, 6814 * dpi / 600};
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

// Every text but the scissors (which sit on their cut line) keeps 1 mm from every stroke, the
// stroke's pen and clip counted: captions, tile headers, station numbers, the bars' labels.
void ExpectTextsClearOfDrawings(const TemplateDocument& doc) {
    const std::int32_t gap = templateMetrics(doc.page.dpi).captionGap;
    for (std::size_t p = doc.hasOverview ? 1 : 0; p < doc.pages.size(); ++p) {
        std::vector<PixelRect> drawings;
        std::vector<PixelRect> texts;
        for (const TemplateItem& item : doc.pages[p].items) {
            PixelRect box = itemBounds(item);
            if (item.clip) {
                box = {std::max(box.left, item.clip->left), std::max(box.top, item.clip->top),
                       std::min(box.right, item.clip->right),
                       std::min(box.bottom, item.clip->bottom)};
            }
            if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                if (text->text != "\u2702") {
                    texts.push_back(
                        {box.left - gap, box.top - gap, box.right + gap, box.bottom + gap});
                }
            } else if (box.right > box.left && box.bottom > box.top) {
                drawings.push_back(box);
            }
        }
        for (const PixelRect& t : texts) {
            for (const PixelRect& d : drawings) {
                ASSERT_FALSE(overlaps(t, d))
                    << "page " << p << ": a text at " << t.left + gap << ", " << t.top + gap
                    << " within 1 mm of a stroke at " << d.left << ", " << d.top;
            }
        }
    }
}

TEST(TemplateLayout, NothingOverlapsAndNothingLeavesThePage) {
    const PropellerDesign start = testing::DefaultDesign();
    // Tiled where turned, and with the overview page.
    const PropellerDesign large = testing::DesignOf("250", "1,5");
    for (std::int32_t dpi : {300, 600, 1200}) {
        for (const SectionOptions options :
             {SectionOptions{false, false}, SectionOptions{true, false},
              SectionOptions{true, true}}) {
            SCOPED_TRACE(::testing::Message() << dpi << " dpi, turned " << options.turned
                                              << ", marks " << options.controlMarks);
            for (const TemplateDocument& doc :
                 {layOutTemplates(start, A4At(dpi), options),
                  layOutTemplates(large, A4At(dpi), options, {}, {0.25, true}),
                  layOutTemplateSheet(large, dpi, options, "07.12.2026")}) {
                ExpectNothingOverlaps(doc);
                ExpectTextsClearOfDrawings(doc);
            }
        }
    }
}

// Every line (outlines, reference, station and cut lines, crosses, bars, the overview's) is the
// chosen width on paper, whatever the printer's resolution; marks and text keep their sizes.
TEST(TemplateLayout, LinesAreOneWidthOnPaperAtEveryResolution) {
    const PropellerDesign d = testing::DesignOf("250", "1,5");  // tiled where turned
    for (const auto& [dpi, widthMm, pixels] : {std::tuple{300, 0.25, 3},
                                               {600, 0.25, 6},
                                               {1200, 0.25, 12},
                                               {2400, 0.25, 24},
                                               {300, 0.5, 6},
                                               {600, 0.1, 2},
                                               {600, 0.05, 2},
                                               {600, 9.0, 12}}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi, " << widthMm << " mm");
        std::vector<TemplatePage> pages =
            layOutTemplates(d, A4At(dpi), {true, true}, {}, {widthMm, true}).pages;
        pages.push_back(layOutTemplateSheet(d, dpi, {}, {}, widthMm).pages.front());
        for (const TemplatePage& page : pages) {
            for (const TemplateItem& item : page.items) {
                if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                    EXPECT_GE(text->fontPoints, 6);
                    EXPECT_LE(text->fontPoints, 8);
                } else if (const auto* mark = std::get_if<EllipseShape>(&item.shape)) {
                    // 11 pixels at 600 dpi and below, 0.47 mm above it.
                    const std::int32_t size = mark->bounds.right - mark->bounds.left;
                    EXPECT_EQ(size, dpi <= 600 ? 11 : 11 * dpi / 600);
                } else {
                    ASSERT_EQ(item.pen.widthPx, pixels);
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
    // share 10 mm of it, 236 pixels at 600 dpi, or more where a last row would hold a strip.
    const PixelRect window{0, 200, 4760, 6508};
    EXPECT_EQ(4760 - p.tileStepX, 236);
    EXPECT_GE(window.bottom - 200 - p.tileStepY, 236);

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
            // Nothing shares a tiled template's pages: no cut line to print.
            EXPECT_NE(item.layer, TemplateLayer::CutLine);
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

// Sections too wide for a page but not too tall share their tiles, one below the other, as on
// a page two pages wide: 300 cm flat on A4, sections 0,2 to 0,5 on two pages, not eight.
TEST(TemplateLayout, SectionsOnlyTooWideShareTheirTiles) {
    const TemplateDocument doc = layOutTemplates(testing::DesignOf("300", "1,5"), A4At(600), {});
    ExpectNothingOverlaps(doc);
    ExpectTextsClearOfDrawings(doc);
    for (int k = 0; k < 4; ++k) {
        const TemplatePlacement& p = doc.placements[static_cast<std::size_t>(k)];
        EXPECT_EQ(p.firstPage, 0);
        EXPECT_EQ(p.columns * p.rows, 2);
    }
    EXPECT_EQ(doc.placements[4].firstPage, 2);
}

// A blank side view needing more than 16 sheets no longer withholds the sections: they are
// printed, after the overview, and the side view is named with the sheets it would need.
TEST(TemplateLayout, WhatNeedsMoreThanSixteenTilesIsLeftOutAndTheRestPrinted) {
    const PropellerDesign d = testing::DesignOf("265,7", "3");
    testing::FakePrinter printer(A4At(600));
    const PrintedTemplates printed = printTemplates(d, printer, {true, false});
    ASSERT_EQ(printed.omissions.size(), 1u);
    const TemplateOmission& left = printed.omissions.front();
    EXPECT_EQ(left.kind, TemplateKind::SideView);
    EXPECT_GT(left.sheets, 16);
    EXPECT_TRUE(
        left.reason.starts_with("вид лопасти сбоку не помещается на странице: "
                                "понадобилось бы " +
                                std::to_string(left.sheets) + " листов"))
        << left.reason;
    const TemplateDocument doc = layOutTemplates(d, A4At(600), {true, false}, {}, {0.25, true});
    ASSERT_TRUE(doc.hasOverview);
    EXPECT_EQ(doc.placements.size(), 10u);  // nine sections and the planform
    EXPECT_EQ(printed.sheets, static_cast<int>(doc.pages.size()));
    EXPECT_EQ(printer.calls.front(), "begin ''");
    // The overview names every template printed, with the pages it is on.
    std::set<std::string> names;
    for (const TemplateItem& item : doc.pages.front().items) {
        if (const auto* text = std::get_if<TextShape>(&item.shape)) {
            names.insert(text->text.substr(0, text->text.find(", стр.")));
        }
    }
    EXPECT_TRUE(names.count("сечение 0,2 радиуса") && names.count("вид лопасти в плане"));
    EXPECT_FALSE(names.count("вид лопасти сбоку"));
}

// Where nothing at all can be printed, the job is refused before a document is begun.
TEST(TemplateLayout, ARefusalComesBeforePrinting) {
    testing::FakePrinter printer({600, 300, 300});
    try {
        printTemplates(testing::DefaultDesign(), printer, {true, false});
        FAIL() << "expected a refusal";
    } catch (const Failure& e) {
        EXPECT_TRUE(
            std::string(e.what()).starts_with("Шаблоны не напечатаны: страница слишком "
                                              "узка для шкалы"))
            << e.what();
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

// Past 48 pages what would not fit is left out, the templates before it printed; a sheet larger
// than any machine is refused.
TEST(TemplateLayout, TooManyPagesLeaveOutTooLargeASheetIsRefused) {
    const TemplateDocument doc =
        layOutTemplates(testing::DesignOf("900", "9"), A4At(600), {true, false});
    EXPECT_LE(doc.pages.size(), 48u);
    EXPECT_FALSE(doc.placements.empty());
    const std::string reason =
        "не помещается: задание заняло бы больше 48 страниц; выберите "
        "бумагу большего размера или проверьте диаметр и шаг винта";
    EXPECT_TRUE(std::any_of(doc.omissions.begin(), doc.omissions.end(),
                            [&](const TemplateOmission& o) { return o.reason.ends_with(reason); }));
    EXPECT_THROW(layOutTemplateSheet(testing::DesignOf("5000", "1,5"), 1200, {}),
                 TemplateLayoutError);
}

// A last tile that would add only a strip (the cut line, a few millimetres of the outline) is
// folded into fewer tiles sharing a little less, or, where that cannot be, every tile is given
// a full window of the sheet. A4 at 600 dpi: a 4760-pixel window, 236 shared, at least 189.
TEST(TileGrid, NoTileAddsOnlyAStrip) {
    const TemplateMetrics m = templateMetrics(600);
    const PixelRect window{0, 0, 4760, 6000};
    for (const auto& [sheet, columns, step] : {std::tuple{4760 + 4524 + 1000, 3, 4524},
                                               {4760 + 4524 + 30, 2, 4554},   // folded
                                               {4760 + 4524 + 100, 3, 2312},  // spread
                                               {4760 + 10, 2, 10}}) {
        SCOPED_TRACE(sheet);
        const TileGrid grid = tileGrid(sheet, 100, window, m.tiles);
        EXPECT_EQ(grid.columns, columns);
        EXPECT_EQ(grid.stepX, step);
        EXPECT_GE(4760 - grid.stepX, m.tiles.leastOverlap);
        EXPECT_GE(4760 + (grid.columns - 1) * grid.stepX, sheet);
    }
}

}  // namespace
}  // namespace kelvarin
