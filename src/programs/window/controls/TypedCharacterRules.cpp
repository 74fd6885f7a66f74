// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TypedCharacterRules.h"

namespace kelvarin {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

bool wholeNumberKeyAccepted(QChar typed) {
    return isDigit(typed);
}

std::optional<QChar> decimalKeyResult(const QString& text, int caret, QChar typed, QChar separator,
                                      int maxDecimals) {
    const auto length = text.size();
    // Counted from 1, 0 when there is none.
    const auto separatorPos = text.indexOf(separator) + 1;

    if (typed == QLatin1Char(',') || typed == QLatin1Char('.')) {
        if (separatorPos == 0 && caret > 0 && length > 0) {
            return separator;
        }
        return std::nullopt;
    }
    if (isDigit(typed)) {
        if (separatorPos > 0 && length - separatorPos > maxDecimals && caret >= separatorPos) {
            return std::nullopt;
        }
        return typed;
    }
    return std::nullopt;
}

}  // namespace kelvarin
