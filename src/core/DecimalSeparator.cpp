// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DecimalSeparator.h"

namespace kelvarin {

namespace {

char CommaSeparator() {
    return ',';
}

DecimalSeparatorSource currentSource = &CommaSeparator;

}  // namespace

void SetDecimalSeparatorSource(DecimalSeparatorSource source) {
    currentSource = source != nullptr ? source : &CommaSeparator;
}

char DecimalSeparator() {
    return currentSource();
}

std::string LocalizeDecimalText(std::string_view commaText) {
    const char separator = DecimalSeparator();
    std::string text(commaText);
    for (char& c : text) {
        if (c == ',') {
            c = separator;
        }
    }
    return text;
}

}  // namespace kelvarin
