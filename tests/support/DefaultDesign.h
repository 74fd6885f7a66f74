// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BladeGeometry.h"
#include "core/PropellerDesign.h"
#include "support/RecordingWindow.h"

namespace kelvarin::testing {

// The design of the start texts: diameter 151,7 cm, pitch 0,52 m.
inline PropellerDesign DefaultDesign() {
    ScopedSeparator comma{','};
    RecordingWindow window;
    PropellerDesign design;
    computeGeometry(design, window);
    return design;
}

}  // namespace kelvarin::testing
