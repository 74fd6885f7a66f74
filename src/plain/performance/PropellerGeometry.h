// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvarin {

// One blade station of any propeller, designed or measured.
struct BladeStation {
    double radiusFraction = 0;  // r/R, above 0 and at most 1
    double chordFraction = 0;   // section chord over the tip radius, c/R
    double bladeAngleDeg = 0;   // chord line (leading to trailing edge) to the plane of rotation
    double thicknessRatio = 0;  // maximum thickness over the chord, 0.12 for 12 %
    // Greatest height of the mean line above the chord line over the chord, 0.04 for 4 %; when
    // not stated, camberOf() says what the analysis takes.
    std::optional<double> camberRatio = std::nullopt;
};

// A propeller as the analysis sees it: its sections all have the mean line of the flat-bottomed
// family, scaled to each station's camber. Stations run from the root (the first one, where the
// blade leaves the hub) to the tip, with strictly growing radius; between them the chord, angle,
// thickness and camber vary linearly.
struct PropellerGeometry {
    double diameterM = 0;
    int bladeCount = 2;
    std::vector<BladeStation> stations;
};

// Which line a given blade angle is measured to.
enum class AngleDatum {
    ChordLine,  // from the leading to the trailing edge
    FlatFace,   // the flat lower face, as older wind-tunnel reports and a pitch gauge give it
};

// A station whose angle and chord are measured on the flat face, turned into the chord line's:
// the leading edge lies kLeadingEdgeHeightPerThickness of the thickness above the face, so the
// chord line is steeper by atan(0.3 t/c) and longer by the hypotenuse. A section with a flat face
// and no stated camber is the flat-bottomed one, of camber kFlatBottomCamberPerThickness t.
BladeStation fromFlatFace(const BladeStation& faceStation);

// The camber the analysis takes for a station: the stated one, else the flat-bottomed section's
// for its thickness but at least kLeastDefaultCamberRatio.
double camberOf(const BladeStation& station);

inline constexpr double kMinDiameterM = 0.05;
inline constexpr double kMaxDiameterM = 20.0;
inline constexpr int kMinBladeCount = 1;
inline constexpr int kMaxBladeCount = 12;
inline constexpr double kMinThicknessRatio = 0.01;
inline constexpr double kMaxThicknessRatio = 0.5;
inline constexpr double kMaxChordFraction = 1.5;
inline constexpr double kMinBladeAngleDeg = -45.0;
inline constexpr double kMaxBladeAngleDeg = 90.0;
inline constexpr double kMaxCamberRatio = 0.2;

// What is wrong with a station that follows one at `previousRadiusFraction` (0 for the first), as
// a Russian sentence; empty when nothing is.
std::string stationFault(const BladeStation& station, double previousRadiusFraction);

// Throws PerformanceError with a Russian message naming the first value outside sense: diameter,
// blade count, fewer than two stations, a radius that does not grow, a chord, angle or thickness
// out of range (stations numbered from 1 at the root).
void validateGeometry(const PropellerGeometry& geometry);

}  // namespace kelvarin
