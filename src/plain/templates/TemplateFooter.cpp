// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateFooter.h"

#include <algorithm>

#include "core/IntegerRounding.h"
#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "templates/TemplateLayout.h"
#include "templates/TemplateText.h"

namespace kelvarin {

namespace {

constexpr double kTickMm = 2.0;

}  // namespace

std::string designLine(const PropellerDesign& design, std::string_view date) {
    std::string line = withArguments(
        translatedText("kelvarin::TemplateFooter", "Воздушный винт: диаметр %1 см, шаг %2 м"),
        {formatGeneral(design.sizing.diameterCm, 15, 0),
         formatGeneral(design.sizing.pitchM, 15, 0)});
    if (!date.empty()) {
        line += "; ";
        line += date;
    }
    return line;
}

TemplateFooter templateFooter(const PropellerDesign& design, std::string_view date,
                              const TemplateMetrics& m, std::int32_t pageWidth) {
    TemplateFooter footer;
    const std::int32_t tick = pixelsOfMm(kTickMm, m.dpi);
    const std::int32_t row =
        std::max(tick + m.pens.outlineWidth, textSize("0", kLargestTextPoints, m.dpi).height);
    // Labels keep a caption's distance from the ink of the bars, the end ticks' pens included.
    const std::int32_t gap = m.captionGap + (m.pens.outlineWidth + 1) / 2 + 1;
    std::int32_t top = 0;
    const auto place = [&](TemplateItem item) {
        const PixelRect box = itemBounds(item);
        if (box.right > pageWidth) {
            throw TemplateLayoutError(translatedText(
                "kelvarin::TemplateFooter",
                "страница слишком узка для шкалы в 100 мм и 4 дюйма, выберите бумагу шире"));
        }
        footer.width = std::max(footer.width, box.right);
        footer.items.push_back(std::move(item));
    };
    const auto bar = [&](std::int32_t length, const std::string& label) {
        const std::int32_t y = top + row / 2;
        const std::int32_t left = m.outlineLeft;
        const std::int32_t right = addInt32(left, length);
        const int element = ++footer.elements;
        for (const LineShape& line : {LineShape{{left, y}, {right, y}},
                                      LineShape{{left, y - tick / 2}, {left, y + tick / 2}},
                                      LineShape{{right, y - tick / 2}, {right, y + tick / 2}}}) {
            TemplateItem item;
            item.layer = TemplateLayer::Marks;
            item.pen.widthPx = m.pens.outlineWidth;
            item.shape = line;
            item.element = element;
            place(item);
        }
        const int points = fittingPoints(label, pageWidth, row, m.dpi);
        const TextSize size = textSize(label, points, m.dpi);
        TemplateItem text =
            textItem(label, {addInt32(right, gap), y - size.height / 2}, points, m.dpi);
        text.element = ++footer.elements;
        place(text);
        top = addInt32(top, row + m.captionGap);
    };
    bar(pixelsOfMm(kMetricBarMm, m.dpi), translatedText("kelvarin::TemplateFooter", "100 мм"));
    bar(roundToInt32(kInchBarInches * m.dpi),
        translatedText("kelvarin::TemplateFooter", "4 дюйма"));

    const std::string line = designLine(design, date);
    int points = fittingPoints(line, subtractInt32(pageWidth, m.outlineLeft), row, m.dpi);
    if (points == 0) {
        points = kSmallestTextPoints;
    }
    TemplateItem text = textItem(line, {m.outlineLeft, top}, points, m.dpi);
    text.element = ++footer.elements;
    place(text);
    footer.height = addInt32(top, row);
    return footer;
}

}  // namespace kelvarin
