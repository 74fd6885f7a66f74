// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <limits>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kBitmapMarginBelow = 10;

bool withinBound(const SectionOutlines& outlines, int section) {
    const OutlinePoint trailingEdge = outlines.section(section)[0];
    return std::int64_t{trailingEdge.x} * (std::int64_t{trailingEdge.y} + kBitmapMarginBelow) <=
           kMaxViewBitmapPixels;
}

}  // namespace

SectionOutlines buildViewOutlines(const PropellerDesign& design, std::int32_t printerDpi,
                                  bool turned, int section) {
    SectionOutlines outlines = buildSectionOutlines(design, printerDpi, turned);
    for (std::int32_t divisor = 2;
         divisor <= kMaxViewResolutionDivisor && !withinBound(outlines, section); ++divisor) {
        outlines = buildSectionOutlines(design, printerDpi / divisor, turned);
    }
    return outlines;
}

std::string sectionViewCaption(const PropellerDesign& design, int section) {
    const double relRadius = kRelativeRadius.at(stationIndex(section));
    // Worked out in extended precision and formatted as it is, like the report's figures.
    const long double distanceMm =
        relRadius * static_cast<long double>(design.sizing.diameterCm) / 2 * 10;
    return "Сечение " + formatGeneral(relRadius, 15, 0) +
           " радиуса: " + formatFixedExtended(distanceMm, 4, 1) + " мм от центра винта";
}

ViewBitmapSize sectionBitmapSize(const SectionOutlines& outlines, int section) {
    const OutlinePoint trailingEdge = outlines.section(section)[0];
    if (trailingEdge.x < 0 || trailingEdge.y < 0) {
        throw Failure("Сечение имеет отрицательный размер: проверьте диаметр и шаг винта");
    }
    const std::int64_t width = trailingEdge.x;
    const std::int64_t height = std::int64_t{trailingEdge.y} + kBitmapMarginBelow;
    if (height > std::numeric_limits<std::int32_t>::max() ||
        width * height > kMaxViewBitmapPixels) {
        throw Failure("Сечение слишком велико для показа на экране");
    }
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

}  // namespace kelvarin
