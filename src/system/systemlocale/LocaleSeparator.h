// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Points the core's decimal separator at the user's locale (QLocale::system(), which on Unix
// follows LC_ALL, LC_NUMERIC and LANG). Needs no application object, so the command-line tool
// calls it as the window does.
void useLocaleDecimalSeparator();

}  // namespace kelvarin
