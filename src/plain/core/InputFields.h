// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kelvarin {

// The six numeric input fields of the main window, in the order the sizing step reads them.
enum class InputField {
    Diameter,        // propeller diameter, cm
    Pitch,           // propeller pitch, m
    Power,           // engine power, hp
    PropellerSpeed,  // rev/min
    MaxSpeed,        // maximum flight speed, km/h
    DesignSpeed,     // design flight speed, km/h
};

inline constexpr std::size_t kInputFieldCount = 6;

inline constexpr std::array<InputField, kInputFieldCount> kInputFields = {
    InputField::Diameter,       InputField::Pitch,    InputField::Power,
    InputField::PropellerSpeed, InputField::MaxSpeed, InputField::DesignSpeed};

// How the six fields are used: diameter and pitch sized from power, speed and flight speeds;
// speed and pitch sized from a given diameter; or diameter and pitch typed by hand.
enum class InputMode { Calculated, ByDiameter, Manual };

// Whether the mode computes the field rather than reading it. The window keeps such a field
// read-only, so that nothing in it may stop a calculation or be asked of the user.
constexpr bool isComputedIn(InputMode mode, InputField field) {
    switch (mode) {
        case InputMode::Calculated:
            return field == InputField::Diameter || field == InputField::Pitch;
        case InputMode::ByDiameter:
            return field == InputField::PropellerSpeed || field == InputField::Pitch;
        case InputMode::Manual:
            break;
    }
    return false;
}

constexpr std::size_t fieldIndex(InputField field) {
    return static_cast<std::size_t>(field);
}

// The six texts, one per field at fieldIndex(field), UTF-8.
using FieldTexts = std::array<std::string, kInputFieldCount>;

// Shown when the field is empty or does not read as a number greater than zero, in the chosen
// language.
std::string emptyFieldMessage(InputField field);

// The texts put into a field when it is empty, zero or negative, and at program start. They are
// spelt with the current decimal separator at the moment of the call, so that they always read
// back.
std::string fallbackText(InputField field);
std::string startText(InputField field);
FieldTexts startTexts();

}  // namespace kelvarin
