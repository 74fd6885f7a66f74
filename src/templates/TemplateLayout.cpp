// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "core/NumberFormat.h"
#include "drawing/DeviceUnits.h"
#include "templates/TemplateText.h"
#include "templates/TemplateTiling.h"

namespace kelvarin {

namespace {

// Distances in the pixels of 600 dpi (layoutPixels), from the top-left corner of the printable
// area. The outline, cut line and page break positions are those the templates always had.
constexpr std::int32_t kPageTop = 200;       // top of the first outline on a page; tile windows
constexpr std::int32_t kOutlineLeft = 200;   // every outline is moved this far right
constexpr std::int32_t kCaptionLeft = 250;   // left edge of captions
constexpr std::int32_t kCutLineDrop = 100;   // cut line below the trailing edge
constexpr std::int32_t kSectionPitch = 200;  // next outline's top below the trailing edge
constexpr std::int32_t kClearance = 6;       // between neighbouring elements, 0.25 mm

constexpr int kLargestTextPoints = 8;
constexpr int kSmallestTextPoints = 6;

// The highest resolution laid out: beyond it no printer exists and the sizes would only
// overflow.
constexpr std::int32_t kHighestDpi = 20000;

constexpr std::string_view kScissors = "\u2702";

struct Geometry {
    std::int32_t dpi = 0;
    std::int32_t width = 0;   // printable width
    std::int32_t height = 0;  // printable height
    std::int32_t pageTop = 0;
    std::int32_t outlineLeft = 0;
    std::int32_t captionLeft = 0;
    std::int32_t cutLineDrop = 0;
    std::int32_t sectionPitch = 0;
    std::int32_t clearance = 0;
    OutlinePens pens{};
    TileGeometry tiles;
};

Geometry geometryOf(const PrinterGeometry& page) {
    if (page.dpi < 1 || page.dpi > kHighestDpi) {
        throw TemplateLayoutError("принтер сообщает разрешение " + std::to_string(page.dpi) +
                                  " точек на дюйм, с таким шаблоны не построить");
    }
    Geometry g;
    g.dpi = page.dpi;
    g.width = page.pageWidthPx;
    g.height = page.pageHeightPx;
    g.pageTop = layoutPixels(kPageTop, g.dpi);
    g.outlineLeft = layoutPixels(kOutlineLeft, g.dpi);
    g.captionLeft = layoutPixels(kCaptionLeft, g.dpi);
    g.cutLineDrop = layoutPixels(kCutLineDrop, g.dpi);
    g.sectionPitch = layoutPixels(kSectionPitch, g.dpi);
    g.clearance = layoutPixels(kClearance, g.dpi);
    g.pens = outlinePens(g.dpi);
    g.tiles = tileGeometry(g.dpi, g.pens.outlineWidth, g.clearance);
    if (g.width <= g.outlineLeft + g.tiles.overlap || g.height <= g.pageTop + g.tiles.overlap) {
        throw TemplateLayoutError("на странице принтера нет места для шаблонов");
    }
    return g;
}

TemplateItem textItem(std::string text, OutlinePoint topLeft, int points, std::int32_t dpi,
                      int element) {
    const TextSize size = textSize(text, points, dpi);
    TemplateItem item;
    item.layer = TemplateLayer::Text;
    item.element = element;
    item.shape = TextShape{topLeft, std::move(text), points,
                           PixelRect{topLeft.x, topLeft.y, addInt32(topLeft.x, size.width),
                                     addInt32(topLeft.y, size.height)}};
    return item;
}

// The largest size from 8 down to 6 points at which the text fits the room; 0 where even 6
// points does not.
int fittingPoints(std::string_view text, std::int32_t roomWidth, std::int32_t roomHeight,
                  std::int32_t dpi) {
    for (int points = kLargestTextPoints; points >= kSmallestTextPoints; --points) {
        const TextSize size = textSize(text, points, dpi);
        if (size.width <= roomWidth && size.height <= roomHeight) {
            return points;
        }
    }
    return 0;
}

// A section's outline with its marks and reference lines, before it is placed: the outline as
// built, highest point (flat) or leading end of the chord line (turned) near Y = 0.
struct Figure {
    std::vector<TemplateItem> items;
    PixelRect box;
    std::int32_t bottom = 0;                 // Y of the trailing edge
    std::optional<std::int32_t> referenceX;  // turned: where the width line ends
};

Figure sectionFigure(const SectionPolyline& o, double bladeWidthM, const Geometry& g,
                     const SectionOptions& options) {
    Figure f;
    TemplateItem outline;
    outline.layer = TemplateLayer::Outline;
    outline.pen.widthPx = g.pens.outlineWidth;
    const auto segments = outlineSegments(o);
    outline.shape = BezierPath{{segments.begin(), segments.end()}};
    f.items.push_back(outline);
    if (options.controlMarks) {
        for (const OutlinePoint& point : o) {
            TemplateItem mark;
            mark.layer = TemplateLayer::Marks;
            mark.pen = {g.pens.markWidth, kPureRed, PenStyle::Solid};
            mark.shape = EllipseShape{controlMarkRect(point, g.pens)};
            f.items.push_back(mark);
        }
    }
    f.bottom = o[0].y;
    if (options.turned) {
        // The width line runs back from the trailing edge across the blade's width at the
        // trailing edge's level; the drop line rises from its end to the leading-edge point.
        const double pixelsPerMetre = g.dpi * kTenthsPerMetre / kTenthsPerInch;
        const std::int32_t x = subtractInt32(o[0].x, roundToInt32(pixelsPerMetre * bladeWidthM));
        f.referenceX = x;
        for (const LineShape line :
             {LineShape{{o[0].x, o[0].y}, {x, o[0].y}}, LineShape{{x, o[0].y}, {x, o[12].y}}}) {
            TemplateItem item;
            item.layer = TemplateLayer::ReferenceLines;
            item.pen.widthPx = g.pens.outlineWidth;
            item.shape = line;
            f.items.push_back(item);
        }
    }
    for (const TemplateItem& item : f.items) {
        f.box = unite(f.box, itemBounds(item));
    }
    return f;
}

void translateFigure(Figure& f, std::int32_t dx, std::int32_t dy) {
    for (TemplateItem& item : f.items) {
        translateItem(item, dx, dy);
    }
    f.box = {addInt32(f.box.left, dx), addInt32(f.box.top, dy), addInt32(f.box.right, dx),
             addInt32(f.box.bottom, dy)};
    f.bottom = addInt32(f.bottom, dy);
    if (f.referenceX) {
        f.referenceX = addInt32(*f.referenceX, dx);
    }
}

// The dotted cut line below a placed figure, broken for the scissors mark at its left end.
struct CutLine {
    std::int32_t y = 0;
    TemplateItem scissors;
    TemplateItem line;
    std::int32_t lineBottom = 0;    // below the line's pen, exclusive
    std::int32_t extentBottom = 0;  // the lowest pixel row either takes, exclusive
};

CutLine cutLineBelow(const Figure& f, std::int32_t right, const Geometry& g) {
    const std::int32_t reach = (g.pens.outlineWidth + 1) / 2;
    CutLine cut;
    cut.y = std::max(addInt32(f.bottom, g.cutLineDrop),
                     addInt32(addInt32(f.box.bottom, g.clearance), reach));
    // The scissors keep left of the outline and within the cut line's drop.
    int points = fittingPoints(kScissors, subtractInt32(f.box.left, g.clearance),
                               2 * (g.cutLineDrop - g.clearance), g.dpi);
    if (points == 0) {
        points = kSmallestTextPoints;
    }
    const TextSize size = textSize(kScissors, points, g.dpi);
    cut.scissors = textItem(std::string(kScissors), {0, subtractInt32(cut.y, size.height / 2)},
                            points, g.dpi, 0);
    const std::int32_t lineLeft = addInt32(size.width, g.clearance);
    cut.line.layer = TemplateLayer::CutLine;
    cut.line.pen = {g.pens.outlineWidth, kBlack, PenStyle::Dotted};
    // Its pen keeps within the right edge.
    const std::int32_t lineRight = subtractInt32(right, 1 + reach);
    cut.line.shape = LineShape{{lineLeft, cut.y}, {std::max(lineLeft, lineRight), cut.y}};
    cut.lineBottom = addInt32(addInt32(cut.y, reach), 1);
    cut.extentBottom = std::max(cut.lineBottom, std::get<TextShape>(cut.scissors.shape).box.bottom);
    return cut;
}

// A section placed at a running Y: where its caption, outline and cut line go.
struct Placed {
    Figure figure;
    TemplateItem caption;
    CutLine cut;
    std::int32_t top = 0;
};

class Layout {
public:
    Layout(const PropellerDesign& design, const PrinterGeometry& page,
           const SectionOptions& options)
        : design_(design), g_(geometryOf(page)), options_(options) {
        doc_.page = page;
        doc_.outlines = buildSectionOutlines(design, g_.dpi, options.turned);
        doc_.pages.emplace_back();
        y_ = g_.pageTop;
    }

    TemplateDocument run() {
        for (int n = kFirstSection; n <= kLastSection; ++n) {
            placeSection(n);
        }
        return std::move(doc_);
    }

private:
    void placeSection(int n) {
        const SectionPolyline& o = doc_.outlines.section(n);
        if (o[0].y < 0 || o[0].x < 0) {
            throw TemplateLayoutError(
                "сечение имеет отрицательный размер, проверьте диаметр и шаг винта");
        }
        const Figure figure =
            sectionFigure(o, design_.stations.bladeWidthM[stationIndex(n)], g_, options_);
        TemplatePlacement p;
        p.section = n;
        p.caption = sectionCaption(n);

        if (!fits(placeAt(figure, p.caption, g_.pageTop, 0))) {
            placeTiled(figure, p);
            return;
        }
        Placed placed = placeAt(figure, p.caption, y_, bandTop_);
        if (pageFull_ || (!pageEmpty_ && !fits(placed))) {
            startPage();
            placed = placeAt(figure, p.caption, y_, bandTop_);
        }
        p.firstPage = static_cast<int>(doc_.pages.size()) - 1;
        p.top = placed.top;
        p.bottom = placed.figure.bottom;
        p.cutY = placed.cut.y;
        p.referenceX = placed.figure.referenceX.value_or(0);
        translateOutline(doc_.outlines, n, g_.outlineLeft, placed.top);

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
        y_ = addInt32(placed.figure.bottom, g_.sectionPitch);
        // The next caption starts right of the scissors: only the line is above it.
        bandTop_ = addInt32(placed.cut.lineBottom, g_.clearance);
        doc_.placements.push_back(p);
    }

    // The section with its outline's top at y (or lower, where the caption needs room above
    // it) and its caption below bandTop.
    Placed placeAt(Figure figure, const std::string& caption, std::int32_t y,
                   std::int32_t bandTop) const {
        const std::int32_t figureTop = addInt32(y, figure.box.top);
        const std::int32_t captionRoom =
            subtractInt32(subtractInt32(figureTop, g_.clearance), bandTop);
        int points =
            fittingPoints(caption, subtractInt32(g_.width, g_.captionLeft), captionRoom, g_.dpi);
        if (points == 0) {
            points = kSmallestTextPoints;
            y = addInt32(y, subtractInt32(textSize(caption, points, g_.dpi).height, captionRoom));
        }
        Placed placed;
        placed.top = y;
        translateFigure(figure, g_.outlineLeft, y);
        const std::int32_t captionBottom = subtractInt32(figure.box.top, g_.clearance);
        const TextSize size = textSize(caption, points, g_.dpi);
        placed.caption =
            textItem(caption, {g_.captionLeft, captionBottom - size.height}, points, g_.dpi, 0);
        placed.cut = cutLineBelow(figure, g_.width, g_);
        placed.figure = std::move(figure);
        return placed;
    }

    bool fits(const Placed& p) const {
        const PixelRect& box = p.figure.box;
        return box.left >= 0 && box.right <= g_.width && p.cut.extentBottom <= g_.height &&
               std::get<TextShape>(p.caption.shape).box.right <= g_.width &&
               std::get<TextShape>(p.caption.shape).box.top >= 0;
    }

    void startPage() {
        if (!pageEmpty_) {
            doc_.pages.emplace_back();
        }
        pageEmpty_ = true;
        pageFull_ = false;
        y_ = g_.pageTop;
        bandTop_ = 0;
    }

    // A section too large for a page: its sheet (outline, cut line and scissors as they would
    // lie on a page large enough) cut into overlapping tiles, one page each, every page headed by
    // the caption and "лист i из k".
    void placeTiled(Figure figure, TemplatePlacement& p) {
        const std::int32_t sheetTop = subtractInt32(g_.clearance, figure.box.top);
        translateFigure(figure, g_.outlineLeft, sheetTop);
        const std::int32_t sheetRight = addInt32(figure.box.right, g_.clearance);
        const CutLine cut = cutLineBelow(figure, sheetRight, g_);
        const std::int32_t sheetBottom = addInt32(cut.extentBottom, g_.clearance);

        std::vector<TemplateItem> sheet;
        const int figureElement = nextElement_++;
        for (TemplateItem item : figure.items) {
            item.element = figureElement;
            sheet.push_back(std::move(item));
        }
        sheet.push_back(withElement(cut.scissors));
        sheet.push_back(withElement(cut.line));

        const PixelRect window{0, g_.pageTop, g_.width, g_.height};
        const TileGrid grid = tileGrid(sheetRight, sheetBottom, window, g_.tiles);
        if (grid.columns * grid.rows > kMaxTilesPerTemplate) {
            throw TemplateLayoutError(
                "сечение " + formatGeneral(kRelativeRadius[stationIndex(p.section)], 15, 0) +
                " радиуса не помещается на странице: понадобилось бы " +
                std::to_string(grid.columns * grid.rows) + " листов, а больше " +
                std::to_string(kMaxTilesPerTemplate) +
                " на один шаблон не печатается; выберите бумагу большего размера или "
                "проверьте диаметр и шаг винта");
        }
        for (AlignmentCross& cross : alignmentCrosses(grid, sheet, g_.tiles)) {
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
        p.top = sheetTop;
        p.bottom = figure.bottom;
        p.cutY = cut.y;
        p.referenceX = figure.referenceX.value_or(0);
        translateOutline(doc_.outlines, p.section, g_.outlineLeft, sheetTop);

        const int tiles = grid.columns * grid.rows;
        for (int t = 0; t < tiles; ++t) {
            if (t > 0) {
                startPage();
            }
            TemplatePage& page = doc_.pages.back();
            placeTileHeader(page, p.caption, t + 1, tiles);
            const std::int32_t dx = -grid.stepX * (t % grid.columns);
            const std::int32_t dy = window.top - grid.stepY * (t / grid.columns);
            const PixelRect shown{-dx, window.top - dy, g_.width - dx, g_.height - dy};
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
        doc_.placements.push_back(p);
    }

    void placeTileHeader(TemplatePage& page, const std::string& caption, int tile, int tiles) {
        const std::string sheet = "лист " + std::to_string(tile) + " из " + std::to_string(tiles);
        const std::int32_t room = subtractInt32(g_.pageTop, 2 * g_.clearance);
        const std::int32_t gap = textSize("  ", kLargestTextPoints, g_.dpi).width;
        int points = fittingPoints(caption + "  " + sheet, subtractInt32(g_.width, g_.captionLeft),
                                   room, g_.dpi);
        if (points == 0) {
            points = kSmallestTextPoints;
        }
        const TextSize size = textSize(caption, points, g_.dpi);
        const std::int32_t top = subtractInt32(g_.pageTop, g_.clearance + size.height);
        page.items.push_back(
            textItem(caption, {g_.captionLeft, top}, points, g_.dpi, nextElement_++));
        page.items.push_back(textItem(sheet, {g_.captionLeft + size.width + gap, top}, points,
                                      g_.dpi, nextElement_++));
    }

    TemplateItem withElement(TemplateItem item) {
        item.element = nextElement_++;
        return item;
    }

    const PropellerDesign& design_;
    Geometry g_;
    SectionOptions options_;
    TemplateDocument doc_;
    std::int32_t y_ = 0;
    std::int32_t bandTop_ = 0;
    bool pageEmpty_ = true;
    bool pageFull_ = false;
    int nextElement_ = 1;
};

}  // namespace

std::string sectionCaption(int section) {
    return "Профиль сечения лопасти " + formatGeneral((section - 1) / 10.0, 15, 0) + " радиуса";
}

TemplateDocument layOutTemplates(const PropellerDesign& design, const PrinterGeometry& page,
                                 const SectionOptions& options) {
    return Layout(design, page, options).run();
}

}  // namespace kelvarin
