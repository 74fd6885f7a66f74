// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/BladeGeometry.h"
#include "core/FieldSheet.h"
#include "core/PropellerDesign.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin::testing {

// The blade tables of a diameter and a pitch typed with a comma, as the manual mode has them.
inline PropellerDesign DesignOf(const std::string& diameter, const std::string& pitch) {
    ScopedSeparator comma{','};
    FieldSheet fields(
        startTextsWith({{InputField::Diameter, diameter}, {InputField::Pitch, pitch}}));
    PropellerDesign design;
    computeGeometry(design, fields);
    return design;
}

// The design of the start texts: diameter 151,7 cm, pitch 0,52 m.
inline PropellerDesign DefaultDesign() {
    return DesignOf("151,7", "0,52");
}

}  // namespace kelvarin::testing
