// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Points the core's decimal separator at the user's locale (QLocale::system()).
void useLocaleDecimalSeparator();

}  // namespace kelvarin
