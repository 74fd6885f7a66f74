// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace kelvarin {

// Stations run 1 to 11 from the hub to the tip; arrays hold station k at index k - 1.
inline constexpr int kFirstStation = 1;
inline constexpr int kLastStation = 11;
inline constexpr std::size_t kStationCount = 11;

// Sections (and their outlines and templates) exist for the stations that carry a profile.
inline constexpr int kFirstSection = 3;
inline constexpr int kLastSection = 11;
inline constexpr std::size_t kSectionCount = 9;

inline constexpr std::size_t kProfilePointCount = 13;

constexpr std::size_t stationIndex(int station) {
    return static_cast<std::size_t>(station - 1);
}
constexpr std::size_t sectionIndex(int section) {
    return static_cast<std::size_t>(section - 3);
}

// clang-format off
// Per station 1..11: radius as a fraction of the tip radius (stations 1 and 2 share 0.1), blade
// width in percent of the diameter, and maximum section thickness in percent of the chord (the
// two hub stations have no section).
inline constexpr std::array<double, kStationCount> kRelativeRadius    = {0.1, 0.1, 0.2,  0.3,  0.4,  0.5,  0.6,  0.7, 0.8, 0.9, 1.0};
inline constexpr std::array<double, kStationCount> kBladeWidthPercent = {9.0, 7.0, 6.3,  6.4,  7.1,  7.8,  8.0,  7.6, 6.9, 6.0, 4.2};
inline constexpr std::array<double, kStationCount> kThicknessPercent  = {0,   0,   21.2, 17.8, 15.2, 13.0, 11.2, 9.5, 8.2, 7.5, 7.0};

// The one aerofoil shape, 13 points from the leading edge to the trailing edge: chord position
// in percent, and the upper and lower surface heights above the flat bottom in tenths of the
// maximum thickness.
inline constexpr std::array<double, kProfilePointCount> kProfileChordPercent = {0,   2.5,  5,    10,   20,   30,   40,   50,   60,   70,   80,   90,   100};
inline constexpr std::array<double, kProfilePointCount> kProfileUpperTenths  = {3.0, 5.5,  6.63, 8.05, 9.57, 10.0, 9.83, 9.28, 8.29, 6.84, 5.21, 3.07, 0.0};
inline constexpr std::array<double, kProfilePointCount> kProfileLowerTenths  = {3.0, 1.28, 0.81, 0.38, 0.08, 0,    0,    0,    0,    0,    0,    0,    0};
// clang-format on

}  // namespace kelvarin
