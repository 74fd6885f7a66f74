// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one bridge from the design record to the analysis, so that the record's member names live
// in one place on this side.

#include "core/InputFields.h"
#include "core/PropellerDesign.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

namespace kelvarin::performance {

// The designed propeller: two blades, the sections of stations 3 to 11 (stations 1 and 2 are the
// hub and carry none). The design's blade angle and chord are those of the flat bottom line, the
// line the section is drawn on and turned about for the templates; the leading edge stands 3/10
// of the thickness above it, so they are turned into the chord line's here.
PropellerGeometry geometryFromDesign(const PropellerDesign& design);

// The engine and the flight speeds the design was sized for.
EngineAndFlight engineAndFlightFromDesign(const PropellerDesign& design);

// The same for a design calculated in `mode` from `texts`. The manual mode sizes nothing, so
// there the engine's power and rpm and the two speeds are read from their field texts (which
// the window keeps, greyed), as the sanity line reads them; a text that is not a number gives 0,
// which checkEngineAndFlight refuses by name.
EngineAndFlight engineAndFlightFromDesign(const PropellerDesign& design, InputMode mode,
                                          const FieldTexts& texts);

}  // namespace kelvarin::performance
