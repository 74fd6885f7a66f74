// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadInput.h"

#include "core/TextToNumber.h"

namespace kelvarin {

void readInput(CalculationWindow& window, InputField field, double& member) {
    if (window.fieldText(field).empty()) {
        window.showMessage(emptyFieldMessage(field));
        window.setFieldText(field, fallbackText(field));
    }
    member = textToNumber(window.fieldText(field));
    if (member == 0.0) {  // minus zero too
        window.showMessage(emptyFieldMessage(field));
        window.setFieldText(field, fallbackText(field));
    }
    member = textToNumber(window.fieldText(field));
}

}  // namespace kelvarin
