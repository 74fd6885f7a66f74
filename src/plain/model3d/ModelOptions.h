// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvarin {

// The hub the blades are mounted by, millimetres. A size of 0 follows the root: the hub is
// then just large enough to carry it (see hubSize in BladeSolid.h).
//
// The defaults fit the propeller flange of the reduction gearboxes common on small two-stroke
// ultralight engines: six M8 bolts on a 75 mm circle around a 40 mm centring spigot.
struct HubOptions {
    double diameterMm = 0;     // outer diameter of the round hub; 0: follows the root
    double thicknessMm = 0;    // along the rotation axis; 0: follows the root
    double boreMm = 40;        // centre bore, for the flange's spigot
    double boltCircleMm = 75;  // diameter of the circle through the holes' centres
    int holeCount = 6;         // bolt holes, evenly spaced, the first on the blade axis + 30°
    double holeMm = 8.5;       // bolt hole diameter: M8 with a medium clearance
    double filletMm = 3;       // fillet between blade and hub; 0: none

    bool operator==(const HubOptions&) const = default;
};

// What the solid adds to the design's numbers to become a part one can make.
struct ModelOptions {
    HubOptions hub;
    // The trailing edge is never thinner than this (a wooden edge or a printed wall that
    // holds), reached by thickening the last part of each section.
    double trailingEdgeMm = 1;
    // The wood, by its key in kWoods (Wood.h), for the mass and the strength. A density above
    // 0 stands for the wood's own, for a wood not in the list; the strength stays the wood's.
    std::string wood = "pine";
    double densityKgM3 = 0;

    bool operator==(const ModelOptions&) const = default;
};

// The limits of the settings (a dialog's spin boxes, the tool's options, the design file).
inline constexpr double kMaxHubSizeMm = 2000;
inline constexpr int kMinHoleCount = 0;
inline constexpr int kMaxHoleCount = 24;
inline constexpr double kMinTrailingEdgeMm = 0.2;
inline constexpr double kMaxTrailingEdgeMm = 20;
inline constexpr double kMaxDensityKgM3 = 2000;

}  // namespace kelvarin
