// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kelvarin {

// What a paste puts into one of the six fields, by whatever way it comes (the context menu,
// the middle button, Shift+Insert and the other paste keys). The text is not filtered as typing
// is, so a pasted non-number reaches the calculation, which names it; only what a one-line field
// cannot show is taken out: everything after the first line, carriage returns and invisible
// format characters (direction overrides, zero-width spaces, byte order marks) and broken
// surrogates; other control characters (a tab from a spreadsheet cell) become spaces. What is
// left is cut to `room` UTF-16 units at the end of the last whole character that fits, so that
// neither half of a surrogate pair nor a letter without its accent ever goes in.
QString pastedText(const QString& clipboardText, qsizetype room);

}  // namespace kelvarin
