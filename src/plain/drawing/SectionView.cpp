// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kBitmapMarginBelow = 10;

// The view bitmap of a section in 64 bits, before any check of its size.
struct BitmapExtent {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t originX = 0;
    std::int64_t originY = 0;
};

// Throws ArithmeticError where a control point of the outline does not fit 32 bits.
BitmapExtent bitmapExtent(const SectionOutlines& outlines, int section) {
    const SectionPolyline& outline = outlines.section(section);
    const OutlinePoint trailingEdge = outline[0];
    BitmapExtent extent{trailingEdge.x, std::int64_t{trailingEdge.y} + kBitmapMarginBelow};
    if (trailingEdge.x <= 0 || trailingEdge.y < 0) {
        return extent;
    }
    // A cubic curve stays within the hull of its four points; the pen reaches half its width
    // past the curve, an odd width's middle pixel on the far side.
    std::int64_t left = trailingEdge.x;
    std::int64_t top = trailingEdge.y;
    std::int64_t right = trailingEdge.x;
    std::int64_t bottom = trailingEdge.y;
    for (const BezierSegment& segment : outlineSegments(outline)) {
        for (const OutlinePoint& p : segment) {
            left = std::min<std::int64_t>(left, p.x);
            top = std::min<std::int64_t>(top, p.y);
            right = std::max<std::int64_t>(right, p.x);
            bottom = std::max<std::int64_t>(bottom, p.y);
        }
    }
    const std::int64_t reach = (std::int64_t{outlinePens(outlines.dpi).outlineWidth} + 1) / 2;
    extent.originX = std::max<std::int64_t>(reach - left, 0);
    extent.originY = std::max<std::int64_t>(reach - top, 0);
    extent.width = extent.originX + std::max(extent.width, right + reach + 1);
    extent.height = extent.originY + std::max(extent.height, bottom + reach + 1);
    return extent;
}

bool fitsView(const BitmapExtent& extent) {
    constexpr std::int64_t kMaxExtent = std::numeric_limits<std::int32_t>::max();
    return extent.width <= kMaxExtent && extent.height <= kMaxExtent &&
           extent.width * extent.height <= kMaxViewBitmapPixels;
}

}  // namespace

SectionOutlines buildViewOutlines(const PropellerDesign& design, std::int32_t printerDpi,
                                  bool turned, int section) {
    // The outlines at printerDpi / divisor where their bitmap fits; nothing where it does not.
    const auto fitting = [&](std::int32_t divisor) -> std::optional<SectionOutlines> {
        const std::int32_t dpi = printerDpi / divisor;
        try {
            SectionOutlines outlines = buildSectionOutlines(design, dpi, turned);
            if (fitsView(bitmapExtent(outlines, section)) || dpi <= 1) {
                return outlines;
            }
        } catch (const ArithmeticError&) {
            // Too large even to build at this resolution.
            if (dpi <= 1) {
                throw;
            }
        }
        return std::nullopt;
    };
    std::optional<SectionOutlines> best = fitting(1);
    if (best) {
        return *best;
    }
    // Doubling the divisor brackets the largest fraction that fits (the bitmap only shrinks as
    // the divisor grows); halving the bracket then finds it, where an estimate from the square
    // of the divisor could step past it by the rounding of the outlines.
    std::int32_t tooLarge = 1;
    std::int32_t fits = 1;
    for (;;) {
        fits =
            static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{fits} * 2, printerDpi));
        best = fitting(fits);
        if (best) {
            break;
        }
        tooLarge = fits;
    }
    while (fits - tooLarge > 1) {
        const std::int32_t middle = tooLarge + (fits - tooLarge) / 2;
        if (std::optional<SectionOutlines> outlines = fitting(middle)) {
            best = outlines;
            fits = middle;
        } else {
            tooLarge = middle;
        }
    }
    return *best;
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
    const BitmapExtent extent = bitmapExtent(outlines, section);
    if (!fitsView(extent)) {
        throw Failure(
            translatedText("kelvarin::SectionView", "Сечение слишком велико для показа на экране"));
    }
    return {static_cast<std::int32_t>(extent.width), static_cast<std::int32_t>(extent.height),
            static_cast<std::int32_t>(extent.originX), static_cast<std::int32_t>(extent.originY)};
}

}  // namespace kelvarin
