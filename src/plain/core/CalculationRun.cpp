// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalculationRun.h"

#include "core/BladeGeometry.h"
#include "core/PropellerSizing.h"
#include "core/ReadInput.h"

namespace kelvarin {

CalculationOutcome runCalculation(const FieldTexts& texts, InputMode mode, PropellerDesign design) {
    CalculationOutcome outcome;
    FieldSheet fields(texts);
    try {
        if (mode != InputMode::Manual) {
            sizePropeller(design, fields, mode == InputMode::ByDiameter);
        }
        computeGeometry(design, fields);
    } catch (const FieldNotANumber& e) {
        outcome.end = RunEnd::NotANumber;
        outcome.notANumberField = e.field();
        outcome.failure = e.what();
    } catch (const ArithmeticError& e) {
        outcome.end = RunEnd::ArithmeticFault;
        outcome.failure = e.what();
    }
    outcome.fieldTexts = fields.texts();
    outcome.fieldWrites = fields.writes();
    outcome.messages = fields.messages();
    outcome.engine = readEngineAndFlight(design, mode, outcome.fieldTexts);
    outcome.design = design;
    return outcome;
}

}  // namespace kelvarin
