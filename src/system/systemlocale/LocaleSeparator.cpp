// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemlocale/LocaleSeparator.h"

#include <QLocale>

#include "core/DecimalSeparator.h"

namespace kelvarin {

namespace {

char systemSeparator() {
    const QString point = QLocale::system().decimalPoint();
    // The core works in single bytes (the report is Windows-1251); a separator outside ASCII
    // has no place there, so such a locale gets the point.
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

}  // namespace

void useLocaleDecimalSeparator() {
    setDecimalSeparatorSource(&systemSeparator);
}

}  // namespace kelvarin
