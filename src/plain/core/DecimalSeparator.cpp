// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DecimalSeparator.h"

namespace kelvarin {

namespace {

char commaSeparator() {
    return ',';
}

DecimalSeparatorSource currentSource = &commaSeparator;

}  // namespace

void setDecimalSeparatorSource(DecimalSeparatorSource source) {
    currentSource = source != nullptr ? source : &commaSeparator;
}

char decimalSeparator() {
    return currentSource();
}

std::string localizeDecimalText(std::string_view commaText) {
    const char separator = decimalSeparator();
    std::string text(commaText);
    for (char& c : text) {
        if (c == ',') {
            c = separator;
        }
    }
    return text;
}

}  // namespace kelvarin
