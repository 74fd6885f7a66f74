// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/InputFields.h"

namespace kelvarin {

// The widest text a field must show whole, in the locale's decimal separator: its typing limit
// of digits, and what a calculation writes into it, up to where the number forms turn to an
// exponent.
QString widestFieldText(InputField field);

}  // namespace kelvarin
