// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "PropellerGeometry.h"

namespace kelvarin {

// "chord" or "face" (the values of --angle-datum); nothing for anything else.
std::optional<AngleDatum> parseAngleDatum(std::string_view name);

// What a geometry file does not say: the propeller's diameter and blade count, and the line its
// blade angles are measured to.
struct GeometryFileOptions {
    double diameterM = 0;
    int bladeCount = 2;
    AngleDatum angleDatum = AngleDatum::ChordLine;
};

// A propeller's stations from a CSV text, one station a line from the root to the tip: radius
// fraction r/R, chord over the tip radius c/R, blade angle in degrees, thickness ratio t/c, and
// optionally a fifth column, the camber ratio f/c (greatest height of the mean line above the
// chord line over the chord). Without it a section is taken as camberOf() says: the
// flat-bottomed section's on the flat-face datum, at least 3 % on the chord-line datum.
// Fields are separated by commas, or by semicolons (then a decimal comma is allowed too), tabs
// or spaces; empty lines and lines starting with '#' are skipped, and so is a first line of
// column names. Throws PerformanceError with a Russian message naming `fileName`, the line and
// the fault, also for a geometry outside sense.
PropellerGeometry readGeometry(std::istream& in, const std::string& fileName,
                               const GeometryFileOptions& options);

// The same from a file, or from standard input for "-"; a file that cannot be opened, a folder,
// a pipe or a device is a PerformanceError naming it. More than a megabyte is refused unread: no
// propeller has that many stations.
PropellerGeometry readGeometryFile(const std::string& path, const GeometryFileOptions& options);

}  // namespace kelvarin
