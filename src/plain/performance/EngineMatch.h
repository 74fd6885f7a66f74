// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Atmosphere.h"
#include "PerformanceCurves.h"
#include "core/CalculationRun.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// A blade matched to its engine: the constant-pitch helix at which the propeller absorbs the
// engine's rated power at the rated rpm and the design speed.
struct EngineMatch {
    std::optional<double> helixPitchM;  // nothing when no helix between the bounds matches
    double absorbedHp = 0;              // re-analysed with the matched blade
    // Why there is no match, in the chosen language, with the diameter that would match where
    // one can be found; empty with a match.
    std::string problem;
    std::optional<double> suggestedDiameterCm;
};

// Helices are sought between these multiples of the diameter: below, the blade is near flat;
// above, it stalls over most of its length.
inline constexpr double kLeastHelixPerDiameter = 0.1;
inline constexpr double kMostHelixPerDiameter = 2.0;
// A match absorbs the rated power within this.
inline constexpr double kMatchTolerancePercent = 1.0;

// Finds the helix for the design's planform (its diameter and blade widths) by a bracketing
// search and Brent's method, each step analysed as the performance window would, in `air`.
// Where none matches, says whether the diameter is too large or too small and suggests the
// diameter whose propeller, with the sized pitch-to-diameter ratio, absorbs the rated power.
// Never throws: an engine or speed outside sense is a problem too.
EngineMatch matchToEngine(const PropellerDesign& design, const EngineAndFlight& engine,
                          const AirState& air);

// Makes the design's blade angles follow its rule: for `rule` and `pitch` as the calculation
// does; for `engine` matched as above, the helix kept in the design. Without a match the
// design is left exactly as it was and the problem is returned.
EngineMatch applyBladeAngles(PropellerDesign& design, const EngineAndFlight& engine,
                             const AirState& air);

// The same for a calculation's outcome, with its engine and flight. An outcome that did not
// complete is left alone; a record missing a figure is a problem, the design left as it was.
EngineMatch applyBladeAngles(CalculationOutcome& outcome, const AirState& air);

}  // namespace kelvarin
