// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/Failure.h"
#include "core/FieldSheet.h"

namespace kelvarin {

// A field whose text is not a number, or a number beyond the double range.
class FieldNotANumber : public ConversionError {
public:
    FieldNotANumber(InputField field, const std::string& what)
        : ConversionError(what), field_(field) {}
    InputField field() const { return field_; }

private:
    InputField field_;
};

// Reads one input field. An empty field or one that reads as zero or less brings the field's
// message and its fallback text first, and the fallback is read; a text that is not a number
// throws FieldNotANumber.
double readInput(FieldSheet& fields, InputField field);

}  // namespace kelvarin
