// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionOutline.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "core/Translation.h"
#include "drawing/DeviceUnits.h"

namespace kelvarin {

namespace {

constexpr const char* kOutlineTooLarge =
    textToTranslate("kelvarin::SectionOutline", "Размеры сечений слишком велики для построения");

std::size_t outlineIndex(int section) {
    if (section < kFirstSection || section > kLastSection) {
        throw std::out_of_range("No outline for section " + std::to_string(section));
    }
    return sectionIndex(section);
}

// A work point in device pixels with the highest point of the section on Y = 0.
OutlinePoint flatPoint(OutlinePoint w, std::int32_t top, double g) {
    const double topPixels = top * g;
    const double yPixels = w.y * g;
    return {roundToInt32(w.x * g), roundToInt32(topPixels - yPixels)};
}

SectionPolyline flatOutline(const SectionPolyline& work, std::int32_t top, double g) {
    SectionPolyline out{};
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        out[i] = flatPoint(work[i], top, g);
    }
    return out;
}

// Turns the flat section about the trailing end of its chord line by the blade angle and moves
// that end to (Lp, U + Hp), so that the leading end of the chord stays at (0, U).
SectionPolyline turnedOutline(const StationTable& s, const SectionPolyline& work, std::int32_t top,
                              double g, std::size_t station) {
    const std::int32_t lp = roundToInt32(s.bladeWidthM[station] * kTenthsPerMetre * g);
    const std::int32_t hp = roundToInt32(s.axialDepthM[station] * kTenthsPerMetre * g);
    const std::int32_t cp = roundToInt32(s.chordM[station] * kTenthsPerMetre * g);
    const double angle = s.bladeAngleDeg[station] * std::numbers::pi / 180.0;
    const double cosA = std::cos(angle);
    const double sinA = std::sin(angle);
    const std::int32_t u = roundToInt32(top * g);

    SectionPolyline out{};
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        const OutlinePoint flat = flatPoint(work[i], top, g);
        const double dx = subtractInt32(flat.x, cp);
        const double dy = subtractInt32(flat.y, u);
        out[i].x = addInt32(roundToInt32(dx * cosA - dy * sinA), lp);
        out[i].y = addInt32(addInt32(roundToInt32(dx * sinA + dy * cosA), hp), u);
    }
    return out;
}

}  // namespace

const SectionPolyline& SectionOutlines::section(int section) const {
    return polylines[outlineIndex(section)];
}

SectionPolyline& SectionOutlines::section(int section) {
    return polylines[outlineIndex(section)];
}

SectionPolyline workOutline(const SectionProfile& p) {
    SectionPolyline w{};
    for (std::size_t m = 0; m <= 12; ++m) {
        w[m] = {roundToInt32(10.0 * p.xMm[12 - m]), roundToInt32(10.0 * p.upperMm[12 - m])};
    }
    for (std::size_t m = 0; m <= 11; ++m) {
        w[13 + m] = {roundToInt32(10.0 * p.xMm[1 + m]), roundToInt32(10.0 * p.lowerMm[1 + m])};
    }
    return w;
}

SectionOutlines buildSectionOutlines(const PropellerDesign& design, std::int32_t dpi, bool turned) {
    const double g = dpi / kTenthsPerInch;
    SectionOutlines built;
    built.dpi = dpi;
    try {
        for (int n = kFirstSection; n <= kLastSection; ++n) {
            const std::size_t station = stationIndex(n);
            const SectionPolyline work = workOutline(design.profiles[station]);
            const std::int32_t top = work[7].y;
            built.polylines[sectionIndex(n)] =
                turned ? turnedOutline(design.stations, work, top, g, station)
                       : flatOutline(work, top, g);
        }
    } catch (const ArithmeticError&) {
        throw ArithmeticError(translatedText("kelvarin::SectionOutline", kOutlineTooLarge));
    }
    return built;
}

void translateOutline(SectionOutlines& outlines, int section, std::int32_t dx, std::int32_t dy) {
    SectionPolyline& outline = outlines.section(section);
    SectionPolyline moved = outline;
    for (OutlinePoint& p : moved) {
        p = {addInt32(p.x, dx), addInt32(p.y, dy)};
    }
    outline = moved;
}

}  // namespace kelvarin
