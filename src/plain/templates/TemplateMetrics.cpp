// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateMetrics.h"

#include <algorithm>
#include <cmath>

#include "core/IntegerRounding.h"
#include "core/Translation.h"
#include "drawing/DeviceUnits.h"
#include "templates/TemplateLayout.h"
#include "templates/TemplateText.h"

namespace kelvarin {

namespace {

// In the pixels of 600 dpi, from the top-left corner of the printable area.
constexpr std::int32_t kPageTop = 200;
constexpr std::int32_t kOutlineLeft = 200;
constexpr std::int32_t kCaptionLeft = 250;
constexpr std::int32_t kCutLineDrop = 100;
constexpr std::int32_t kSectionPitch = 200;
constexpr std::int32_t kClearance = 6;  // 0.25 mm

// Beyond it no printer exists and the sizes would only overflow.
constexpr std::int32_t kHighestDpi = 20000;

constexpr double kMmPerInch = 25.4;

}  // namespace

TemplateMetrics templateMetrics(std::int32_t dpi, double lineWidthMm) {
    if (dpi < 1 || dpi > kHighestDpi) {
        throw TemplateLayoutError(
            withArguments(translatedText("kelvarin::TemplateMetrics",
                                         "принтер сообщает разрешение %1 точек на дюйм, с таким "
                                         "шаблоны не построить"),
                          {std::to_string(dpi)}));
    }
    TemplateMetrics m;
    m.dpi = dpi;
    m.pageTop = layoutPixels(kPageTop, dpi);
    m.outlineLeft = layoutPixels(kOutlineLeft, dpi);
    m.captionLeft = layoutPixels(kCaptionLeft, dpi);
    m.cutLineDrop = layoutPixels(kCutLineDrop, dpi);
    m.sectionPitch = layoutPixels(kSectionPitch, dpi);
    m.clearance = layoutPixels(kClearance, dpi);
    // Rounded up: never less than the millimetre.
    m.captionGap = roundToInt32(std::ceil(kCaptionGapMm * dpi / kMmPerInch));
    m.pens = outlinePens(dpi);
    const double lineMm = templateLineMm(lineWidthMm);
    m.pens.outlineWidth = std::max(1, pixelsOfMm(lineMm, dpi));
    m.tiles = tileGeometry(dpi, m.pens.outlineWidth, m.clearance);
    return m;
}

double templateLineMm(double requested) {
    if (std::isnan(requested)) {
        return kDefaultTemplateLineMm;
    }
    return std::clamp(requested, kThinnestTemplateLineMm, kThickestTemplateLineMm);
}

std::int32_t pixelsOfMm(double mm, std::int32_t dpi) {
    return roundToInt32(mm * dpi / kMmPerInch);
}

TemplateItem textItem(std::string text, OutlinePoint topLeft, int points, std::int32_t dpi) {
    const TextSize size = textSize(text, points, dpi);
    TemplateItem item;
    item.layer = TemplateLayer::Text;
    item.shape = TextShape{topLeft, std::move(text), points,
                           PixelRect{topLeft.x, topLeft.y, addInt32(topLeft.x, size.width),
                                     addInt32(topLeft.y, size.height)}};
    return item;
}

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

}  // namespace kelvarin
