// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadInput.h"

#include "core/TextToNumber.h"

namespace kelvarin {

namespace {

double fieldNumber(const FieldSheet& fields, InputField field) {
    try {
        return textToNumber(fields.text(field));
    } catch (const ConversionError& e) {
        throw FieldNotANumber(field, e.what());
    }
}

}  // namespace

double readInput(FieldSheet& fields, InputField field) {
    if (fields.text(field).empty()) {
        fields.addMessage(field, emptyFieldMessage(field));
        fields.write(field, fallbackText(field));
    }
    double value = fieldNumber(fields, field);
    // A negative number can only be pasted; it is as unusable as zero and gets the same word,
    // rather than an arithmetic fault somewhere down the sizing.
    if (!(value > 0.0)) {
        fields.addMessage(field, emptyFieldMessage(field));
        fields.write(field, fallbackText(field));
        value = fieldNumber(fields, field);
    }
    return value;
}

}  // namespace kelvarin
