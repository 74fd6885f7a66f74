// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace kelvarin {

// The aerofoil of one station, 13 points from the leading edge (0) to the trailing edge (12),
// all in millimetres in the section's own frame: chordMm along the flat bottom line from its
// leading end, upperMm and lowerMm the heights of the two surfaces above that line.
struct SectionProfileMm {
    std::array<double, 13> chordMm{};
    std::array<double, 13> upperMm{};
    std::array<double, 13> lowerMm{};

    bool operator==(const SectionProfileMm&) const = default;
};

// One lofted station of the blade.
struct BladeSection {
    double radiusMm = 0;       // distance of the section's plane from the rotation axis
    double bladeAngleDeg = 0;  // between the bottom line and the plane of rotation
    double widthMm = 0;        // the bottom line projected on the plane of rotation
    double depthMm = 0;        // the bottom line projected on the rotation axis
    SectionProfileMm profile;

    bool operator==(const BladeSection&) const = default;
};

// A station at the hub: a width at a radius, without a section of its own.
struct HubStation {
    double radiusMm = 0;
    double widthMm = 0;

    bool operator==(const HubStation&) const = default;
};

inline constexpr std::size_t kBladeSectionCount = 9;

// Everything the solid is built from, in millimetres and degrees: the two hub stations (the
// hub block's width, then the blade's width where it meets the hub) and the nine sections from
// the root to the tip.
struct PropellerShape {
    double diameterMm = 0;
    std::array<HubStation, 2> hub{};
    std::array<BladeSection, kBladeSectionCount> sections{};

    bool operator==(const PropellerShape&) const = default;
};

// Seen from behind, looking in the direction of flight, a right-hand propeller turns clockwise.
enum class Handedness { Right, Left };

}  // namespace kelvarin
