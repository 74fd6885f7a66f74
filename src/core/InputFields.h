// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvarin {

// The six numeric input fields of the main window, in the order the sizing step reads them.
enum class InputField { Dv, Hv, Nd, Nv, Vm, Vr };

inline constexpr std::array<InputField, 6> kInputFields = {
    InputField::Dv, InputField::Hv, InputField::Nd, InputField::Nv, InputField::Vm, InputField::Vr};

// Shown when the field is empty or reads as zero.
std::string_view EmptyFieldMessage(InputField field);

// The texts put into a field when it is empty or zero, and at program start. They are spelt
// with the current decimal separator at the moment of the call, so that they always read back.
std::string FallbackText(InputField field);
std::string StartText(InputField field);

}  // namespace kelvarin
