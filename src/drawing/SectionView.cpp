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

bool WithinBound(const PropellerDesign& design, int section) {
    const OutlinePoint trailingEdge = SectionOutline(design, section)[0];
    return std::int64_t{trailingEdge.x} * (std::int64_t{trailingEdge.y} + kBitmapMarginBelow) <=
           kMaxViewBitmapPixels;
}

// The printer as the view sees it at a fraction of its resolution; it never prints.
class ReducedPrinter : public Printer {
public:
    ReducedPrinter(PrinterGeometry full, std::int32_t divisor)
        : geometry_{full.LogPixelsX / divisor, full.HorzRes / divisor, full.VertRes / divisor} {}

    PrinterGeometry Geometry() override { return geometry_; }
    void BeginDocument(std::string_view) override { Refuse(); }
    void NewPage() override { Refuse(); }
    void EndDocument() override { Refuse(); }
    Canvas& PageCanvas() override { Refuse(); }

private:
    [[noreturn]] static void Refuse() { throw std::logic_error("The view does not print"); }
    PrinterGeometry geometry_;
};

}  // namespace

void BuildViewOutlines(PropellerDesign& design, Printer& printer, int section) {
    BuildSectionOutlines(design, printer);
    const PrinterGeometry full = design.Printer;
    for (std::int32_t divisor = 2;
         divisor <= kMaxViewResolutionDivisor && !WithinBound(design, section); ++divisor) {
        ReducedPrinter reduced(full, divisor);
        BuildSectionOutlines(design, reduced);
    }
}

std::string SectionViewCaption(const PropellerDesign& design, int section) {
    const double relRadius = RelRadius.at(StationIndex(section));
    // Worked out in extended precision and formatted as it is, like the report's figures.
    const long double distanceMm = relRadius * static_cast<long double>(design.Dv) / 2 * 10;
    return "Сечение " + FormatGeneral(relRadius, 15, 0) +
           " радиуса: " + FormatFixedExtended(distanceMm, 4, 1) + " мм от центра винта";
}

ViewBitmapSize SectionBitmapSize(const PropellerDesign& design, int section) {
    const OutlinePoint trailingEdge = SectionOutline(design, section)[0];
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
