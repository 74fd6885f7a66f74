// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/SectionOutline.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "core/BladeTables.h"
#include "core/IntegerRounding.h"
#include "drawing/DeviceUnits.h"

namespace kelvarin {

namespace {

constexpr const char* kOutlineTooLarge = "Размеры сечений слишком велики для построения";

std::size_t outlineIndex(int section) {
    if (section < kFirstSection || section > kLastSection) {
        throw std::out_of_range("No outline for section " + std::to_string(section));
    }
    return sectionIndex(section);
}

// The 13 profile points as a closed outline in tenths of a millimetre: the upper surface from
// the trailing edge to the leading edge, then the lower surface back.
SectionPolyline workOutlineOf(const SectionProfile& p) {
    SectionPolyline w{};
    for (std::size_t m = 0; m <= 12; ++m) {
        w[m] = {roundToInt32(10.0 * p.X[12 - m]), roundToInt32(10.0 * p.Yv[12 - m])};
    }
    for (std::size_t m = 0; m <= 11; ++m) {
        w[13 + m] = {roundToInt32(10.0 * p.X[1 + m]), roundToInt32(10.0 * p.Yn[1 + m])};
    }
    return w;
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
SectionPolyline turnedOutlineOf(PropellerDesign& design, const SectionPolyline& work,
                                std::int32_t top, double g, std::size_t station) {
    const StationTable& s = design.Stations;
    const std::int32_t lp = roundToInt32(s.Bl[station] * kTenthsPerMetre * g);
    const std::int32_t hp = roundToInt32(s.Hc[station] * kTenthsPerMetre * g);
    const std::int32_t cp = roundToInt32(s.BlCos[station] * kTenthsPerMetre * g);
    const double angle = s.Alpha[station] * std::numbers::pi / 180.0;
    const double cosA = std::cos(angle);
    const double sinA = std::sin(angle);
    const std::int32_t u = roundToInt32(top * g);

    SectionPolyline out{};
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        const OutlinePoint flat = flatPoint(work[i], top, g);
        design.TurnedOutline[i] = flat;
        const double dx = subtractInt32(flat.x, cp);
        const double dy = subtractInt32(flat.y, u);
        out[i].x = addInt32(roundToInt32(dx * cosA - dy * sinA), lp);
        out[i].y = addInt32(addInt32(roundToInt32(dx * sinA + dy * cosA), hp), u);
    }
    return out;
}

}  // namespace

void readPrinterGeometry(PropellerDesign& design, Printer& printer) {
    design.Printer = printer.geometry();
}

void buildSectionOutlines(PropellerDesign& design, Printer& printer) {
    readPrinterGeometry(design, printer);
    const double g = design.Printer.LogPixelsX / kTenthsPerInch;

    // Built aside and stored together, so that a section that cannot be built leaves the
    // outlines of the last good build rather than a mix of two designs.
    std::array<SectionPolyline, kSectionCount> built{};
    try {
        for (int n = kFirstSection; n <= kLastSection; ++n) {
            const std::size_t station = stationIndex(n);
            design.WorkOutline = workOutlineOf(design.Profiles[station]);
            const std::int32_t top = design.WorkOutline[7].y;
            built[sectionIndex(n)] =
                design.ShowUgol ? turnedOutlineOf(design, design.WorkOutline, top, g, station)
                                : flatOutline(design.WorkOutline, top, g);
        }
    } catch (const ArithmeticError&) {
        throw ArithmeticError(kOutlineTooLarge);
    }
    design.Outlines = built;
}

void translateOutline(PropellerDesign& design, int section, std::int32_t dx, std::int32_t dy) {
    SectionPolyline& outline = design.Outlines[outlineIndex(section)];
    SectionPolyline moved = outline;
    for (OutlinePoint& p : moved) {
        p = {addInt32(p.x, dx), addInt32(p.y, dy)};
    }
    outline = moved;
}

const SectionPolyline& sectionOutline(const PropellerDesign& design, int section) {
    return design.Outlines[outlineIndex(section)];
}

}  // namespace kelvarin
