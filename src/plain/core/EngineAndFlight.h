// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "core/InputFields.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// The engine and the flight the propeller works in, as every reader of a calculated design takes
// them: the performance analysis, the status line and the tool's outputs. A figure is missing
// where the manual mode's field holds no number.
struct EngineAndFlightRecord {
    std::optional<double> enginePowerHp;  // metric horsepower
    std::optional<double> rpm;            // propeller rpm at that power
    std::optional<double> designSpeedKmh;
    std::optional<double> maxSpeedKmh;

    friend bool operator==(const EngineAndFlightRecord&, const EngineAndFlightRecord&) = default;
};

// The record of a design calculated in `mode` from `texts`. The sized modes read the four into
// the design (by diameter the rpm is the sizing's own, unrounded). The manual mode sizes
// nothing, so there the four fields the window keeps greyed are read as the calculation reads a
// number, with the same grammar and separator, and a text that is none is missing.
EngineAndFlightRecord readEngineAndFlight(const PropellerDesign& design, InputMode mode,
                                          const FieldTexts& texts);

}  // namespace kelvarin
