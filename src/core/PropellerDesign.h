// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/BladeTables.h"

namespace kelvarin {

// Per-station results, station k at index k - 1.
struct StationTable {
    std::array<double, kStationCount> Bl{};     // blade width, m
    std::array<double, kStationCount> Alpha{};  // blade angle, degrees
    std::array<double, kStationCount> BlCos{};  // section chord Bl / cos(Alpha), m
    std::array<double, kStationCount> Hc{};     // axial depth Bl * tan(Alpha), m
};

// One blade section, 13 points from the leading edge to the trailing edge, all in mm.
struct SectionProfile {
    std::array<double, kProfilePointCount> X{};   // along the chord from the leading edge
    std::array<double, kProfilePointCount> Yv{};  // upper surface above the bottom line
    std::array<double, kProfilePointCount> Yn{};  // lower surface above the bottom line
};

struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

inline constexpr std::size_t kOutlinePointCount = 25;

// A closed section outline: points 0 to 12 run over the upper surface from the trailing edge
// to the leading edge, points 13 to 24 back along the lower surface; point 24 equals point 0.
using SectionPolyline = std::array<OutlinePoint, kOutlinePointCount>;

// The three device capabilities of the printer that the drawing needs.
struct PrinterGeometry {
    std::int32_t LogPixelsX = 0;  // dots per inch across the page
    std::int32_t HorzRes = 0;     // printable width, device pixels
    std::int32_t VertRes = 0;     // printable height, device pixels
};

// The one design record: inputs, sizing results, tables, outlines and view settings.
// It starts zero-filled and every step overwrites only the members it owns.
struct PropellerDesign {
    double Dv = 0;  // diameter, cm
    double Hv = 0;  // pitch, m
    double Nd = 0;  // engine power, hp
    double Nv = 0;  // propeller speed, rev/min
    double Vr = 0;  // design speed, km/h
    double Vm = 0;  // maximum speed, km/h

    StationTable Stations;
    std::array<SectionProfile, kStationCount> Profiles{};  // stations 1 and 2 stay zero

    PrinterGeometry Printer;
    SectionPolyline WorkOutline{};                          // tenths of a millimetre
    std::array<SectionPolyline, kSectionCount> Outlines{};  // sections 3..11, printer pixels
    SectionPolyline TurnedOutline{};                        // printer pixels

    bool ShowUgol = false;     // draw sections turned to their blade angle
    bool ShowControl = false;  // mark the control points of the drawn section
    std::int32_t Scale = 0;    // zoom of the section view, percent
};

}  // namespace kelvarin
