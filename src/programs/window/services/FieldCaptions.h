// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/InputFields.h"

namespace kelvarin {

// The caption beside each input field, as the panel shows it and messages name the field.
QString fieldCaption(InputField field);

}  // namespace kelvarin
