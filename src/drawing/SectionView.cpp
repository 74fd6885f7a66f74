#include "drawing/SectionView.h"

#include <limits>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "drawing/SectionOutline.h"

namespace kelvarin {

namespace {

constexpr std::int32_t kBitmapMarginBelow = 10;

}  // namespace

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
