// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadInput.h"

#include "core/TextToNumber.h"

namespace kelvarin {

void ReadInput(CalculationWindow& window, InputField field, double& member) {
    if (window.FieldText(field).empty()) {
        window.ShowMessage(EmptyFieldMessage(field));
        window.SetFieldText(field, FallbackText(field));
    }
    member = TextToNumber(window.FieldText(field));
    if (member == 0.0) {  // minus zero too
        window.ShowMessage(EmptyFieldMessage(field));
        window.SetFieldText(field, FallbackText(field));
    }
    member = TextToNumber(window.FieldText(field));
}

}  // namespace kelvarin
