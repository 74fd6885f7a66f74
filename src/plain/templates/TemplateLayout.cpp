// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateLayout.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <optional>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "core/MessageText.h"
#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "templates/BladeViews.h"
#include "templates/TemplateFigures.h"
#include "templates/TemplateFooter.h"
#include "templates/TemplateMetrics.h"
#include "templates/TemplateOverview.h"
#include "templates/TemplateText.h"

namespace kelvarin {

namespace {

constexpr std::string_view kScissors = "\u2702";
// A sheet's height while it is laid out: far more than kMaxSheetMm at any resolution, far less
// than what overflows.
constexpr std::int32_t kOpenSheetHeight = std::numeric_limits<std::int32_t>::max() / 4;
constexpr double kMmPerInch = 25.4;

// What a template is called in a refusal.
std::string templateName(const TemplatePlacement& p) {
    switch (p.kind) {
        case TemplateKind::Planform:
            return translatedText("kelvarin::TemplateLayout", "вид лопасти в плане");
        case TemplateKind::SideView:
            return translatedText("kelvarin::TemplateLayout", "вид лопасти сбоку");
        case TemplateKind::Section:
            break;
    }
    return withArguments(translatedText("kelvarin::TemplateLayout", "сечение %1 радиуса"),
                         {formatGeneral(kRelativeRadius[stationIndex(p.section)], 15, 0)});
}

std::string radiusText(const PropellerDesign& design, int station) {
    const long double mm = static_cast<long double>(kRelativeRadius[stationIndex(station)]) *
                           design.sizing.diameterCm / 2 * 10;
    return formatFixedExtended(mm, 4, 1);
}

// `caption` holds the stations as %1–%2 and their distances from the centre as %3–%4.
std::string bladeCaption(const std::string& caption, const PropellerDesign& design,
                         int firstStation) {
    return withArguments(caption,
                         {std::to_string(firstStation), std::to_string(kLastStation),
                          radiusText(design, firstStation), radiusText(design, kLastStation)});
}

// One template before it is placed.
struct Block {
    TemplatePlacement placement;
    TemplateFigure figure;
};

// The dotted cut line below a placed figure, broken for the scissors mark at its left end.
struct CutLine {
    std::int32_t y = 0;
    TemplateItem scissors;
    TemplateItem line;
    std::int32_t lineBottom = 0;    // below the line's pen, exclusive
    std::int32_t extentBottom = 0;  // the lowest pixel row either takes, exclusive
};

CutLine cutLineBelow(const TemplateFigure& f, std::int32_t right, const TemplateMetrics& m) {
    const std::int32_t reach = (m.pens.outlineWidth + 1) / 2;
    CutLine cut;
    cut.y = std::max(addInt32(f.bottom, m.cutLineDrop),
                     addInt32(addInt32(f.box.bottom, m.clearance), reach));
    // The scissors keep left of the outline and within the cut line's drop.
    int points = fittingPoints(kScissors, subtractInt32(f.box.left, m.clearance),
                               2 * (m.cutLineDrop - m.clearance), m.dpi);
    if (points == 0) {
        points = kSmallestTextPoints;
    }
    const TextSize size = textSize(kScissors, points, m.dpi);
    cut.scissors =
        textItem(std::string(kScissors), {0, subtractInt32(cut.y, size.height / 2)}, points, m.dpi);
    const std::int32_t lineLeft = addInt32(size.width, m.clearance);
    cut.line.layer = TemplateLayer::CutLine;
    cut.line.pen = {m.pens.outlineWidth, kBlack, PenStyle::Dotted};
    // Its pen keeps within the right edge.
    const std::int32_t lineRight = subtractInt32(right, 1 + reach);
    cut.line.shape = LineShape{{lineLeft, cut.y}, {std::max(lineLeft, lineRight), cut.y}};
    cut.lineBottom = addInt32(addInt32(cut.y, reach), 1);
    cut.extentBottom = std::max(cut.lineBottom, std::get<TextShape>(cut.scissors.shape).box.bottom);
    return cut;
}

// A template placed at a running Y: where its caption, figure and cut line go.
struct Placed {
    TemplateFigure figure;
    TemplateItem caption;
    CutLine cut;
    std::int32_t left = 0;
    std::int32_t top = 0;
};

class Layout {
public:
    Layout(const PropellerDesign& design, const PrinterGeometry& page,
           const SectionOptions& options, std::string_view date, const TemplateStyle& style,
           bool sheet)
        : design_(design),
          m_(templateMetrics(page.dpi, style.lineWidthMm)),
          options_(options),
          style_(style),
          sheet_(sheet) {
        doc_.page = page;
        doc_.outlines = buildSectionOutlines(design, m_.dpi, options.turned);
        blocks_ = buildBlocks();
        if (sheet_) {
            // As wide as the widest template, its caption or the foot.
            std::int32_t width = 0;
            for (const Block& b : blocks_) {
                width = std::max(width, addInt32(figureLeft(b.figure), b.figure.box.right));
                width = std::max(
                    width,
                    addInt32(m_.captionLeft,
                             textSize(b.placement.caption, kLargestTextPoints, m_.dpi).width));
            }
            doc_.page.pageWidthPx = addInt32(width, m_.clearance);
            const TemplateFooter probe = templateFooter(design, date, m_, kOpenSheetHeight);
            doc_.page.pageWidthPx =
                std::max(doc_.page.pageWidthPx, addInt32(probe.width, m_.clearance));
            doc_.page.pageHeightPx = kOpenSheetHeight;
        }
        width_ = doc_.page.pageWidthPx;
        footer_ = templateFooter(design, date, m_, width_);
        usableHeight_ =
            sheet_ ? kOpenSheetHeight
                   : subtractInt32(doc_.page.pageHeightPx, addInt32(footer_.height, m_.captionGap));
        if (width_ <= m_.outlineLeft + m_.tiles.overlap ||
            usableHeight_ <= m_.pageTop + m_.tiles.overlap) {
            throw TemplateLayoutError(translatedText(
                "kelvarin::TemplateLayout", "на странице принтера нет места для шаблонов"));
        }
        doc_.pages.emplace_back();
        y_ = m_.pageTop;
    }

    TemplateDocument run() {
        for (std::size_t i = 0; i < blocks_.size();) {
            // Templates only too wide for a page share their tiles, one below the other.
            std::vector<Block*> wide;
            while (i < blocks_.size() && onlyTooWide(blocks_[i])) {
                wide.push_back(&blocks_[i++]);
            }
            if (!wide.empty()) {
                placeStacked(wide);
            } else {
                place(blocks_[i++]);
            }
        }
        if (doc_.placements.empty()) {
            // Nothing to print at all: the first reason is the one to act on.
            throw TemplateLayoutError(doc_.omissions.front().reason);
        }
        if (style_.overviewPage && doc_.pages.size() > 1) {
            addOverview();
        }
        addFooters();
        return std::move(doc_);
    }

private:
    std::vector<Block> buildBlocks() const {
        std::vector<Block> blocks;
        for (int n = kFirstSection; n <= kLastSection; ++n) {
            const SectionPolyline& o = doc_.outlines.section(n);
            if (o[0].y < 0 || o[0].x < 0) {
                throw TemplateLayoutError(translatedText(
                    "kelvarin::TemplateLayout",
                    "сечение имеет отрицательный размер, проверьте диаметр и шаг винта"));
            }
            Block b;
            b.placement.section = n;
            b.placement.caption = sectionCaption(n);
            b.figure =
                sectionFigure(o, design_.stations.bladeWidthM[stationIndex(n)], m_, options_);
            blocks.push_back(std::move(b));
        }
        Block planform;
        planform.placement.kind = TemplateKind::Planform;
        planform.placement.caption = planformCaption(design_);
        planform.figure = bladeFigure(planformView(design_, m_.dpi), m_);
        blocks.push_back(std::move(planform));
        Block side;
        side.placement.kind = TemplateKind::SideView;
        side.placement.caption = sideViewCaption(design_);
        side.figure = bladeFigure(sideView(design_, m_.dpi), m_);
        blocks.push_back(std::move(side));
        return blocks;
    }

    void place(Block& block) {
        TemplatePlacement& p = block.placement;
        // A sheet is as large as its templates: one page, nothing tiled.
        if (!sheet_ && !fits(placeAt(block.figure, p.caption, m_.pageTop, 0))) {
            placeTiled(block);
            return;
        }
        Placed placed = placeAt(block.figure, p.caption, y_, bandTop_);
        if (!sheet_ && (pageFull_ || (!pageEmpty_ && !fits(placed)))) {
            if (leftOutForPages(p, 1)) {
                return;
            }
            startPage();
            placed = placeAt(block.figure, p.caption, y_, bandTop_);
        }
        p.firstPage = static_cast<int>(doc_.pages.size()) - 1;
        record(p, placed.figure, placed.left, placed.top, placed.cut.y);
        shown_.push_back({templateName(p), p.firstPage, 1, placed.figure.items, placed.figure.box,
                          std::nullopt});

        TemplatePage& page = doc_.pages.back();
        page.items.push_back(withElement(placed.caption));
        const int figureElement = nextElement_++;
        for (TemplateItem item : placed.figure.items) {
            item.element = figureElement;
            page.items.push_back(std::move(item));
        }
        page.items.push_back(withElement(placed.cut.scissors));
        page.items.push_back(withElement(placed.cut.line));
        pageEmpty_ = false;
        y_ = addInt32(placed.figure.bottom, m_.sectionPitch);
        // The next caption starts right of the scissors: only the line is above it.
        bandTop_ = addInt32(placed.cut.lineBottom, m_.captionGap);
        contentBottom_ = std::max(contentBottom_, placed.cut.extentBottom);
        doc_.placements.push_back(p);
    }

    // Where the template went, and the section's outline moved there too.
    void record(TemplatePlacement& p, const TemplateFigure& placed, std::int32_t left,
                std::int32_t top, std::int32_t cutY) {
        p.left = left;
        p.top = top;
        p.bottom = placed.bottom;
        p.cutY = cutY;
        p.referenceX = placed.referenceX.value_or(0);
        if (p.kind == TemplateKind::Section) {
            translateOutline(doc_.outlines, p.section, left, top);
        }
    }

    // How far right a figure is moved: the outlines' usual place, or further where the figure
    // reaches so far left of its origin (a long width line, say) that the scissors of its cut
    // line, at their smallest, would have no room beside it.
    std::int32_t figureLeft(const TemplateFigure& f) const {
        const std::int32_t room =
            addInt32(textSize(kScissors, kSmallestTextPoints, m_.dpi).width, 2 * m_.clearance);
        return std::max(m_.outlineLeft, subtractInt32(room, f.box.left));
    }

    // The template with its figure's origin at y (or lower, where the caption needs room above
    // it) and its caption below bandTop.
    Placed placeAt(TemplateFigure figure, const std::string& caption, std::int32_t y,
                   std::int32_t bandTop, std::optional<std::int32_t> width = {}) const {
        const std::int32_t right = width.value_or(width_);
        const std::int32_t figureTop = addInt32(y, figure.box.top);
        const std::int32_t captionRoom =
            subtractInt32(subtractInt32(figureTop, m_.captionGap), bandTop);
        int points =
            fittingPoints(caption, subtractInt32(right, m_.captionLeft), captionRoom, m_.dpi);
        if (points == 0) {
            points = kSmallestTextPoints;
            y = addInt32(y, subtractInt32(textSize(caption, points, m_.dpi).height, captionRoom));
        }
        Placed placed;
        placed.top = y;
        placed.left = figureLeft(figure);
        translateFigure(figure, placed.left, y);
        const std::int32_t captionBottom = subtractInt32(figure.box.top, m_.captionGap);
        const TextSize size = textSize(caption, points, m_.dpi);
        placed.caption =
            textItem(caption, {m_.captionLeft, captionBottom - size.height}, points, m_.dpi);
        placed.cut = cutLineBelow(figure, right, m_);
        placed.figure = std::move(figure);
        return placed;
    }

    bool fits(const Placed& p) const {
        const PixelRect& box = p.figure.box;
        const PixelRect& caption = std::get<TextShape>(p.caption.shape).box;
        return box.left >= 0 && box.right <= width_ && p.cut.extentBottom <= usableHeight_ &&
               caption.right <= width_ && caption.top >= 0;
    }

    // Leaves the template out where its `pages` would take the document past kMaxTemplatePages.
    bool leftOutForPages(const TemplatePlacement& p, int pages) {
        const int used = static_cast<int>(doc_.pages.size()) - (pageEmpty_ ? 1 : 0);
        if (used + pages <= kMaxTemplatePages) {
            return false;
        }
        doc_.omissions.push_back(
            {p.kind, p.section, pages,
             withArguments(translatedText("kelvarin::TemplateLayout",
                                          "%1 не помещается: задание заняло бы больше %2 "
                                          "страниц; выберите бумагу большего размера или "
                                          "проверьте диаметр и шаг винта"),
                           {templateName(p), std::to_string(kMaxTemplatePages)})});
        return true;
    }

    void startPage() {
        if (!pageEmpty_) {
            if (static_cast<int>(doc_.pages.size()) >= kMaxTemplatePages) {
                throw TemplateLayoutError(
                    withArguments(translatedText("kelvarin::TemplateLayout",
                                                 "шаблонам понадобилось бы больше %1 страниц; "
                                                 "выберите бумагу большего размера или "
                                                 "проверьте диаметр и шаг винта"),
                                  {std::to_string(kMaxTemplatePages)}));
            }
            doc_.pages.emplace_back();
        }
        pageEmpty_ = true;
        pageFull_ = false;
        y_ = m_.pageTop;
        bandTop_ = 0;
    }

    // A template too large for a page: its sheet (the figure with a clearance around it) cut
    // into overlapping tiles, one page each, every page headed by the caption and "лист i из
    // k". Nothing else shares these pages, so there is no cut line to print, nor a margin to
    // leave for one: a tile holds only the template.
    void placeTiled(Block& block) {
        TemplatePlacement& p = block.placement;
        TemplateFigure figure = block.figure;
        const std::int32_t sheetTop = subtractInt32(m_.clearance, figure.box.top);
        const std::int32_t sheetLeft = subtractInt32(m_.clearance, figure.box.left);
        translateFigure(figure, sheetLeft, sheetTop);
        const std::int32_t sheetRight = addInt32(figure.box.right, m_.clearance);
        const std::int32_t sheetBottom = addInt32(figure.box.bottom, m_.clearance);

        std::vector<TemplateItem> sheet;
        const int figureElement = nextElement_;
        for (TemplateItem item : figure.items) {
            item.element = figureElement;
            sheet.push_back(std::move(item));
        }

        const PixelRect window{0, m_.pageTop, width_, usableHeight_};
        const TileGrid grid = tileGrid(sheetRight, sheetBottom, window, m_.tiles);
        const int tiles = grid.columns * grid.rows;
        if (tiles > kMaxTilesPerTemplate) {
            doc_.omissions.push_back(
                {p.kind, p.section, tiles,
                 withArguments(
                     translatedText("kelvarin::TemplateLayout",
                                    "%1 не помещается на странице: понадобилось бы %2 листов, а "
                                    "больше %3 на один шаблон не печатается; выберите бумагу "
                                    "большего размера или проверьте диаметр и шаг винта"),
                     {templateName(p), std::to_string(tiles),
                      std::to_string(kMaxTilesPerTemplate)})});
            return;
        }
        if (leftOutForPages(p, tiles)) {
            return;
        }
        ++nextElement_;
        for (AlignmentCross& cross : alignmentCrosses(grid, sheet, m_.tiles)) {
            cross.horizontal.element = cross.vertical.element = nextElement_++;
            sheet.push_back(std::move(cross.horizontal));
            sheet.push_back(std::move(cross.vertical));
        }

        startPage();
        p.firstPage = static_cast<int>(doc_.pages.size()) - 1;
        p.columns = grid.columns;
        p.rows = grid.rows;
        p.tileStepX = grid.stepX;
        p.tileStepY = grid.stepY;
        p.windowTop = window.top;
        record(p, figure, sheetLeft, sheetTop, figure.bottom);
        shown_.push_back({templateName(p), p.firstPage, tiles, figure.items, figure.box, grid});

        layTiles(sheet, grid, window, p.caption);
        doc_.placements.push_back(p);
    }

    // The sheet's tiles on pages of their own, from the page just started, each headed by the
    // caption and "лист i из k".
    void layTiles(const std::vector<TemplateItem>& sheet, const TileGrid& grid,
                  const PixelRect& window, const std::string& caption) {
        const int tiles = grid.columns * grid.rows;
        for (int t = 0; t < tiles; ++t) {
            if (t > 0) {
                startPage();
            }
            TemplatePage& page = doc_.pages.back();
            placeTileHeader(page, caption, t + 1, tiles);
            const std::int32_t dx = -grid.stepX * (t % grid.columns);
            const std::int32_t dy = window.top - grid.stepY * (t / grid.columns);
            const PixelRect shown{-dx, window.top - dy, width_ - dx, usableHeight_ - dy};
            for (TemplateItem item : sheet) {
                if (!overlaps(itemBounds(item), shown)) {
                    continue;
                }
                translateItem(item, dx, dy);
                item.clip = window;
                page.items.push_back(std::move(item));
            }
            pageEmpty_ = false;
        }
        pageFull_ = true;
    }

    // Whether the template is too wide for a page but, its caption and cut line included, no
    // taller than a tile's window, and no wider than kMaxTilesPerTemplate pages side by side.
    bool onlyTooWide(const Block& block) const {
        if (sheet_ || fits(placeAt(block.figure, block.placement.caption, m_.pageTop, 0))) {
            return false;
        }
        const Placed alone = placeAt(block.figure, block.placement.caption, stackTop(block), 0,
                                     kOpenSheetHeight / 2);
        const std::int32_t height = addInt32(alone.cut.extentBottom, m_.clearance);
        const std::int32_t width = stackWidth({&block});
        const PixelRect window{0, m_.pageTop, width_, usableHeight_};
        const TileGrid grid = tileGrid(width, height, window, m_.tiles);
        return grid.rows == 1 && grid.columns <= kMaxTilesPerTemplate;
    }

    // Where a template's origin goes at the top of a stacked sheet: its 8-point caption above it
    // and a clearance above that.
    std::int32_t stackTop(const Block& block) const {
        const std::int32_t caption =
            textSize(block.placement.caption, kLargestTextPoints, m_.dpi).height;
        return subtractInt32(addInt32(m_.clearance, caption + m_.captionGap), block.figure.box.top);
    }

    // A stacked sheet's width: the widest template with its caption, and a clearance.
    std::int32_t stackWidth(const std::vector<const Block*>& blocks) const {
        std::int32_t width = 0;
        for (const Block* b : blocks) {
            width = std::max(width, addInt32(figureLeft(b->figure), b->figure.box.right));
            width = std::max(
                width, addInt32(m_.captionLeft,
                                textSize(b->placement.caption, kLargestTextPoints, m_.dpi).width));
        }
        return addInt32(width, m_.clearance);
    }

    // Templates too wide for a page, stacked as on a page of their width (caption, figure, cut
    // line) on sheets no taller than a tile's window, each sheet cut into the tiles across it:
    // three sections 30 cm wide take two pages, not six.
    void placeStacked(const std::vector<Block*>& run) {
        const PixelRect window{0, m_.pageTop, width_, usableHeight_};
        const std::int32_t windowHeight = window.bottom - window.top;
        std::size_t first = 0;
        while (first < run.size()) {
            // As many as the window's height holds, one at least.
            std::vector<const Block*> stack;
            std::vector<Placed> placed;
            std::int32_t y = stackTop(*run[first]);
            std::int32_t bandTop = 0;
            std::int32_t width = stackWidth(std::vector<const Block*>(
                run.begin() + static_cast<std::ptrdiff_t>(first), run.end()));
            for (std::size_t k = first; k < run.size(); ++k) {
                Placed next = placeAt(run[k]->figure, run[k]->placement.caption, y, bandTop, width);
                if (!stack.empty() &&
                    addInt32(next.cut.extentBottom, m_.clearance) > windowHeight) {
                    break;
                }
                y = addInt32(next.figure.bottom, m_.sectionPitch);
                bandTop = addInt32(next.cut.lineBottom, m_.captionGap);
                stack.push_back(run[k]);
                placed.push_back(std::move(next));
            }
            first += stack.size();
            width = stackWidth(stack);
            std::int32_t bottom = 0;
            for (const Placed& pl : placed) {
                bottom = std::max(bottom, pl.cut.extentBottom);
            }
            const TileGrid grid = tileGrid(width, addInt32(bottom, m_.clearance), window, m_.tiles);
            const int tiles = grid.columns * grid.rows;
            if (leftOutForPages(stack.front()->placement, tiles)) {
                continue;
            }
            std::vector<TemplateItem> sheet;
            std::vector<TemplateItem> strokes;
            PixelRect box;
            startPage();
            const int firstPage = static_cast<int>(doc_.pages.size()) - 1;
            for (std::size_t k = 0; k < stack.size(); ++k) {
                Placed& pl = placed[k];
                // Cut lines end at the stacked sheet's edge.
                pl.cut = cutLineBelow(pl.figure, width, m_);
                TemplatePlacement p = stack[k]->placement;
                p.firstPage = firstPage;
                p.columns = grid.columns;
                p.rows = grid.rows;
                p.tileStepX = grid.stepX;
                p.tileStepY = grid.stepY;
                p.windowTop = window.top;
                record(p, pl.figure, pl.left, pl.top, pl.cut.y);
                sheet.push_back(withElement(pl.caption));
                const int figureElement = nextElement_++;
                for (TemplateItem item : pl.figure.items) {
                    item.element = figureElement;
                    strokes.push_back(item);
                    sheet.push_back(std::move(item));
                }
                box = unite(box, pl.figure.box);
                sheet.push_back(withElement(pl.cut.scissors));
                sheet.push_back(withElement(pl.cut.line));
                doc_.placements.push_back(p);
            }
            for (AlignmentCross& cross : alignmentCrosses(grid, sheet, m_.tiles)) {
                cross.horizontal.element = cross.vertical.element = nextElement_++;
                sheet.push_back(std::move(cross.horizontal));
                sheet.push_back(std::move(cross.vertical));
            }
            const std::string caption = stackCaption(stack);
            shown_.push_back({caption, firstPage, tiles, std::move(strokes), box, grid});
            layTiles(sheet, grid, window, caption);
        }
    }

    // What the tiles of a stacked sheet are headed with: the template's caption, or for several
    // sections "Профили сечений лопасти 0,2–0,4 радиуса".
    std::string stackCaption(const std::vector<const Block*>& stack) const {
        const TemplatePlacement& first = stack.front()->placement;
        const TemplatePlacement& last = stack.back()->placement;
        if (stack.size() == 1) {
            return first.caption;
        }
        if (first.kind == TemplateKind::Section && last.kind == TemplateKind::Section) {
            return withArguments(
                translatedText("kelvarin::TemplateLayout", "Профили сечений лопасти %1–%2 радиуса"),
                {formatGeneral(kRelativeRadius[stationIndex(first.section)], 15, 0),
                 formatGeneral(kRelativeRadius[stationIndex(last.section)], 15, 0)});
        }
        std::string names;
        for (const Block* b : stack) {
            names += (names.empty() ? "" : ", ") + templateName(b->placement);
        }
        return names;
    }

    void placeTileHeader(TemplatePage& page, const std::string& caption, int tile, int tiles) {
        const std::string sheet =
            withArguments(translatedText("kelvarin::TemplateLayout", "лист %1 из %2"),
                          {std::to_string(tile), std::to_string(tiles)});
        const std::int32_t room = subtractInt32(m_.pageTop, m_.captionGap + m_.clearance);
        const std::int32_t gap = textSize("  ", kLargestTextPoints, m_.dpi).width;
        int points = fittingPoints(caption + "  " + sheet, subtractInt32(width_, m_.captionLeft),
                                   room, m_.dpi);
        if (points == 0) {
            points = kSmallestTextPoints;
        }
        const TextSize size = textSize(caption, points, m_.dpi);
        const std::int32_t top = subtractInt32(m_.pageTop, m_.captionGap + size.height);
        page.items.push_back(withElement(textItem(caption, {m_.captionLeft, top}, points, m_.dpi)));
        page.items.push_back(
            withElement(textItem(sheet, {m_.captionLeft + size.width + gap, top}, points, m_.dpi)));
    }

    // The overview page, put first (TemplateOverview.h); none where even the names do not fit.
    void addOverview() {
        std::vector<OverviewEntry> entries = shown_;
        for (OverviewEntry& entry : entries) {
            entry.firstPage += 2;  // printed pages count from 1, the overview's first
        }
        const PixelRect area{m_.outlineLeft, m_.pageTop, subtractInt32(width_, m_.clearance),
                             usableHeight_};
        std::optional<TemplatePage> overview =
            overviewPage(entries, static_cast<int>(doc_.pages.size()) + 1, m_, area, nextElement_);
        if (!overview) {
            return;
        }
        doc_.pages.insert(doc_.pages.begin(), std::move(*overview));
        for (TemplatePlacement& p : doc_.placements) {
            ++p.firstPage;
        }
        doc_.hasOverview = true;
    }

    // The calibration bars and the design line: at the foot of every page, or once below the
    // last template of a sheet, which then ends with them.
    void addFooters() {
        std::int32_t top = subtractInt32(doc_.page.pageHeightPx, footer_.height);
        if (sheet_) {
            top = addInt32(contentBottom_, m_.captionGap);
            doc_.page.pageHeightPx = addInt32(addInt32(top, footer_.height), m_.clearance);
            const auto mm = [&](std::int32_t px) { return px * kMmPerInch / m_.dpi; };
            if (mm(doc_.page.pageWidthPx) > kMaxSheetMm ||
                mm(doc_.page.pageHeightPx) > kMaxSheetMm) {
                throw TemplateLayoutError(withArguments(
                    translatedText("kelvarin::TemplateLayout",
                                   "шаблоны заняли бы лист %1 × %2 м, а больше 20 м по "
                                   "стороне не бывает ни одного станка; проверьте диаметр и "
                                   "шаг винта"),
                    {numberInMessage(mm(doc_.page.pageWidthPx) / 1000, 1),
                     numberInMessage(mm(doc_.page.pageHeightPx) / 1000, 1)}));
            }
        }
        for (TemplatePage& page : doc_.pages) {
            const int base = nextElement_;
            for (TemplateItem item : footer_.items) {
                translateItem(item, 0, top);
                item.element += base;
                page.items.push_back(std::move(item));
            }
            nextElement_ = base + footer_.elements + 1;
        }
    }

    TemplateItem withElement(TemplateItem item) {
        item.element = nextElement_++;
        return item;
    }

    const PropellerDesign& design_;
    TemplateMetrics m_;
    SectionOptions options_;
    TemplateStyle style_;
    bool sheet_;
    // What each placed template (or stacked sheet) shows, for the overview: its figure as placed
    // on its page or tiled sheet, its tiles, and its first page counted from 0.
    std::vector<OverviewEntry> shown_;
    TemplateDocument doc_;
    std::vector<Block> blocks_;
    TemplateFooter footer_;
    std::int32_t width_ = 0;
    std::int32_t usableHeight_ = 0;  // templates end above it; the foot lies below
    std::int32_t y_ = 0;
    std::int32_t bandTop_ = 0;
    std::int32_t contentBottom_ = 0;
    bool pageEmpty_ = true;
    bool pageFull_ = false;
    int nextElement_ = 1;
};

}  // namespace

std::string sectionCaption(int section) {
    return withArguments(
        translatedText("kelvarin::TemplateLayout", "Профиль сечения лопасти %1 радиуса"),
        {formatGeneral((section - 1) / 10.0, 15, 0)});
}

std::string planformCaption(const PropellerDesign& design) {
    return bladeCaption(
        translatedText("kelvarin::TemplateLayout",
                       "Вид лопасти в плане, станции %1–%2, %3–%4 мм от центра винта"),
        design, 2);
}

std::string sideViewCaption(const PropellerDesign& design) {
    return bladeCaption(
        translatedText("kelvarin::TemplateLayout",
                       "Вид лопасти сбоку, станции %1–%2, %3–%4 мм от центра винта"),
        design, kFirstSection);
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

TemplateDocument layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                                 const SectionOptions& options, std::string_view date,
                                 const TemplateStyle& style) {
    return Layout(design, page, options, date, style, false).run();
}

TemplateDocument layOutTemplateSheet(const PropellerDesign& design, std::int32_t dpi,
                                     const SectionOptions& options, std::string_view date,
                                     double lineWidthMm) {
    return Layout(design, {dpi, 0, 0}, options, date, {lineWidthMm, false}, true).run();
}

}  // namespace kelvarin
