// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include "core/BladeGeometry.h"
#include "core/PropellerSizing.h"

namespace kelvarin {

void runCalculation(PropellerDesign& design, CalculationWindow& window) noexcept {
    try {
        if (!window.manualChecked()) {
            sizePropeller(design, window);
        }
        computeGeometry(design, window);
        window.writeReport();
        window.showSelectedSection();
    } catch (...) {
        // No message names the field or the cause.
    }
}

}  // namespace kelvarin
