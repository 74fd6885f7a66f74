// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/EngineAndFlight.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// A builder's check of a design at its design speed: how fast the blade tip moves through the
// air and how the propeller advances per turn. Never part of the report.
struct SanityFigures {
    double tipSpeedMs = 0;    // helical: the tip's circle speed and the flight speed together
    double tipMach = 0;       // tipSpeedMs over the speed of sound
    double advanceRatio = 0;  // V / (n D): flight speed over revolutions per second and diameter
};

inline constexpr double kSpeedOfSoundMs = 340;
// Above this tip Mach number the blade tips meet compressibility: loud, and less efficient.
inline constexpr double kTipMachLimit = 0.85;

// The figures of a calculated design: its diameter as shown, with the propeller speed and the
// design speed of its engine and flight. Nothing when a figure is missing or not positive (the
// design speed may be zero).
std::optional<SanityFigures> sanityFigures(const PropellerDesign& design,
                                           const EngineAndFlightRecord& engine);

bool tipTooFast(const SanityFigures& figures);

// "Скорость конца лопасти 187 м/с (число Маха 0,55), относительная поступь V/(nD) 0,38", with
// the current decimal separator; for no figures, what is missing.
std::string sanityLineText(const std::optional<SanityFigures>& figures);

// Why the line is worth a look: for a tip above the limit, the risk and what to change; else
// what the figures mean.
std::string sanityExplanation(const std::optional<SanityFigures>& figures);

}  // namespace kelvarin
