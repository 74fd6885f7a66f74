// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one bridge from the design record to the analysis, so that the record's member names live
// in one place on this side.

#include "core/EngineAndFlight.h"
#include "core/PropellerDesign.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

namespace kelvarin {

// The designed propeller: two blades, the sections of stations 3 to 11 (stations 1 and 2 are the
// hub and carry none). The design's blade angle and chord are those of the flat bottom line, the
// line the section is drawn on and turned about for the templates; the leading edge stands 3/10
// of the thickness above it, so they are turned into the chord line's here.
PropellerGeometry geometryFromDesign(const PropellerDesign& design);

// The engine and flight of a calculated design, for the analysis. A figure missing from the
// record (a manual-mode field that holds no number) throws PerformanceError naming its field.
EngineAndFlight engineAndFlightOf(const EngineAndFlightRecord& record);

}  // namespace kelvarin
