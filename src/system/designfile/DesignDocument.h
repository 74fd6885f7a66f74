// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BladeAngleRule.h"
#include "core/BladeTables.h"
#include "core/EnginePowerCurve.h"
#include "core/InputFields.h"
#include "core/SectionOptions.h"
#include "model3d/ModelOptions.h"

namespace kelvarin {

// A design as the window holds it and a design file keeps it: what the user set, not what the
// calculation made of it. Opening one puts it back into the controls and calculates.
struct DesignDocument {
    // The six field texts as the fields show them, with the current decimal separator.
    FieldTexts fieldTexts = startTexts();
    bool byDiameterChecked = false;  // CheckDiam
    bool manualChecked = false;      // CheckManual; wins over CheckDiam
    SectionOptions view;             // turned, control marks
    int section = kFirstSection;     // the section in the view, kFirstSection..kLastSection
    BladeAngleRule bladeAngleRule = BladeAngleRule::Rule;
    EnginePowerCurve enginePowerCurve;  // empty: constant torque below the rated rpm
    ModelOptions model;                 // hub, trailing edge and wood of the solid

    bool operator==(const DesignDocument&) const = default;
};

inline InputMode inputMode(const DesignDocument& document) {
    if (document.manualChecked) {
        return InputMode::Manual;
    }
    return document.byDiameterChecked ? InputMode::ByDiameter : InputMode::Calculated;
}

}  // namespace kelvarin
