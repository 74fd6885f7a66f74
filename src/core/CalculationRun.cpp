// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include "core/BladeGeometry.h"
#include "core/PropellerSizing.h"

namespace kelvarin {

void RunCalculation(PropellerDesign& design, CalculationWindow& window) noexcept {
    try {
        if (!window.ManualChecked()) {
            SizePropeller(design, window);
        }
        ComputeGeometry(design, window);
        window.WriteReport();
        window.ShowSelectedSection();
    } catch (...) {
        // No message names the field or the cause.
    }
}

}  // namespace kelvarin
