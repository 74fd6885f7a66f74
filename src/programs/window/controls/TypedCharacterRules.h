// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace kelvarin {

// What a typed character may do in one of the six input fields. Only typing is filtered:
// text the program writes and text pasted from the context menu go in as they are.

// Power, propeller speed and the two flight speeds: digits only.
bool wholeNumberKeyAccepted(QChar typed);

// Diameter and pitch: digits and one decimal separator, never first. A typed "," or "." is
// turned into `separator`, the separator the numbers are read with. A digit is refused when
// more than `maxDecimals` characters already follow the separator and the caret stands at or
// after it. `caret` is the start of the selection. Returns the character to insert.
std::optional<QChar> decimalKeyResult(const QString& text, int caret, QChar typed, QChar separator,
                                      int maxDecimals);

inline constexpr int kMaxDecimals = 3;

}  // namespace kelvarin
