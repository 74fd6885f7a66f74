// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/EngineAndFlight.h"
#include "core/FieldSheet.h"
#include "core/InputFields.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

enum class RunEnd {
    Completed,        // the tables are done: the report and the section view come next
    NotANumber,       // a field's text is not a number; notANumberField names it
    ArithmeticFault,  // the sizing met a fault (a result beyond the double range, say)
};

// Everything a calculation did. Nothing is shown or written by the calculation itself: a
// window shows the messages among the field writes, keeps the design and, when the run
// completed, writes the report and shows the section.
struct CalculationOutcome {
    FieldTexts fieldTexts;                // the six texts as the run leaves them
    std::vector<FieldWrite> fieldWrites;  // every text the run put into a field, in order
    std::vector<FieldMessage> messages;   // in the order they arose
    RunEnd end = RunEnd::Completed;
    std::optional<InputField> notANumberField;
    std::string failure;  // the failure's own text when the run did not complete
    // The design with everything the run assigned, also before a failure.
    PropellerDesign design;
    // The engine and flight of a completed run, read once for every reader of it.
    EngineAndFlightRecord engine;

    bool completed() const { return end == RunEnd::Completed; }
};

// The calculation of a click on Calculate: reads the fields the mode uses (an empty, zero or
// negative one brings its message and its fallback text), sizes the propeller unless in the
// manual mode, and fills the blade tables of `design` from the diameter and pitch as their
// fields then show them. A failure ends the run where it arose and keeps what was assigned
// before.
CalculationOutcome runCalculation(const FieldTexts& texts, InputMode mode,
                                  PropellerDesign design = {});

}  // namespace kelvarin
