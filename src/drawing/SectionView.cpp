// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionView.h"

#include <limits>
#include <stdexcept>
#include <string_view>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kBitmapMarginBelow = 10;

bool withinBound(const PropellerDesign& design, int section) {
    const OutlinePoint trailingEdge = sectionOutline(design, section)[0];
    return std::int64_t{trailingEdge.x} * (std::int64_t{trailingEdge.y} + kBitmapMarginBelow) <=
           kMaxViewBitmapPixels;
}

// The printer as the view sees it at a fraction of its resolution; it never prints.
class ReducedPrinter : public Printer {
public:
    ReducedPrinter(PrinterGeometry full, std::int32_t divisor)
        : geometry_{full.LogPixelsX / divisor, full.HorzRes / divisor, full.VertRes / divisor} {}

    PrinterGeometry geometry() override { return geometry_; }
    void beginDocument(std::string_view) override { refuse(); }
    void newPage() override { refuse(); }
    void endDocument() override { refuse(); }
    Canvas& pageCanvas() override { refuse(); }

private:
    [[noreturn]] static void refuse() { throw std::logic_error("The view does not print"); }
    PrinterGeometry geometry_;
};

}  // namespace

void buildViewOutlines(PropellerDesign& design, Printer& printer, int section) {
    buildSectionOutlines(design, printer);
    const PrinterGeometry full = design.Printer;
    for (std::int32_t divisor = 2;
         divisor <= kMaxViewResolutionDivisor && !withinBound(design, section); ++divisor) {
        ReducedPrinter reduced(full, divisor);
        buildSectionOutlines(design, reduced);
    }
}

std::string sectionViewCaption(const PropellerDesign& design, int section) {
    const double relRadius = kRelativeRadius.at(stationIndex(section));
    // Worked out in extended precision and formatted as it is, like the report's figures.
    const long double distanceMm = relRadius * static_cast<long double>(design.Dv) / 2 * 10;
    return "Сечение " + formatGeneral(relRadius, 15, 0) +
           " радиуса: " + formatFixedExtended(distanceMm, 4, 1) + " мм от центра винта";
}

ViewBitmapSize sectionBitmapSize(const PropellerDesign& design, int section) {
    const OutlinePoint trailingEdge = sectionOutline(design, section)[0];
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
