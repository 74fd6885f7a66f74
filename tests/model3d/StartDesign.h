// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BladeGeometry.h"
#include "core/PropellerDesign.h"
#include "model3d/DesignShape.h"
#include "support/RecordingWindow.h"

namespace kelvarin::testing {

// The design of the start texts (diameter 151,7 cm, pitch 0,52 m), or of another diameter and
// pitch typed by hand.
inline PropellerDesign startDesign(const char* diameterCm = "151,7", const char* pitchM = "0,52") {
    ScopedSeparator comma{','};
    RecordingWindow window;
    window.manual = true;
    window.texts[InputField::Dv] = diameterCm;
    window.texts[InputField::Hv] = pitchM;
    PropellerDesign design;
    ComputeGeometry(design, window);
    return design;
}

inline model3d::PropellerShape startShape() {
    return model3d::shapeFromDesign(startDesign());
}

}  // namespace kelvarin::testing
