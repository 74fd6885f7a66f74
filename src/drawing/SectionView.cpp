// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "drawing/SectionOutline.h"
#include "translation/Translation.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kBitmapMarginBelow = 10;

// The view bitmap's pixels for these outlines, as sectionBitmapSize would make it.
std::int64_t bitmapPixels(const SectionOutlines& outlines, int section) {
    const OutlinePoint trailingEdge = outlines.section(section)[0];
    return std::int64_t{trailingEdge.x} * (std::int64_t{trailingEdge.y} + kBitmapMarginBelow);
}

}  // namespace

SectionOutlines buildViewOutlines(const PropellerDesign& design, std::int32_t printerDpi,
                                  bool turned, int section) {
    std::int32_t divisor = 1;
    for (;;) {
        const std::int32_t dpi = printerDpi / divisor;
        std::int32_t next = divisor + 1;
        try {
            SectionOutlines outlines = buildSectionOutlines(design, dpi, turned);
            const std::int64_t pixels = bitmapPixels(outlines, section);
            if (pixels <= kMaxViewBitmapPixels || dpi <= 1) {
                return outlines;
            }
            // The pixels shrink with the square of the divisor: go straight to about the one
            // that fits, then on one by one where rounding left it a little short.
            const double ratio = static_cast<double>(pixels) / kMaxViewBitmapPixels;
            next = std::max<std::int32_t>(
                next, static_cast<std::int32_t>(
                          std::min<double>(std::ceil(divisor * std::sqrt(ratio)), printerDpi)));
        } catch (const ArithmeticError&) {
            // Too large even to build at this resolution.
            if (dpi <= 1) {
                throw;
            }
            next = static_cast<std::int32_t>(std::max<std::int64_t>(
                next, std::min<std::int64_t>(std::int64_t{divisor} * 2, printerDpi)));
        }
        divisor = next;
    }
}

std::string sectionViewCaption(const PropellerDesign& design, int section) {
    const double relRadius = kRelativeRadius.at(stationIndex(section));
    // Worked out in extended precision and formatted as it is, like the report's figures.
    const long double distanceMm =
        relRadius * static_cast<long double>(design.sizing.diameterCm) / 2 * 10;
    return withArguments(
        translatedText("kelvarin::SectionView", "Сечение %1 радиуса: %2 мм от центра винта"),
        {formatGeneral(relRadius, 15, 0), formatFixedExtended(distanceMm, 4, 1)});
}

ViewBitmapSize sectionBitmapSize(const SectionOutlines& outlines, int section) {
    const OutlinePoint trailingEdge = outlines.section(section)[0];
    if (trailingEdge.x < 0 || trailingEdge.y < 0) {
        throw Failure(
            translatedText("kelvarin::SectionView",
                           "Сечение имеет отрицательный размер: проверьте диаметр и шаг винта"));
    }
    const std::int64_t width = trailingEdge.x;
    const std::int64_t height = std::int64_t{trailingEdge.y} + kBitmapMarginBelow;
    if (height > std::numeric_limits<std::int32_t>::max() ||
        width * height > kMaxViewBitmapPixels) {
        throw Failure(
            translatedText("kelvarin::SectionView", "Сечение слишком велико для показа на экране"));
    }
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

}  // namespace kelvarin
