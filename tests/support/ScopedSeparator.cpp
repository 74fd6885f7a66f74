// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScopedSeparator.h"

#include "core/DecimalSeparator.h"

namespace kelvarin::testing {

namespace {

char chosen = ',';
char chosenSeparator() {
    return chosen;
}

}  // namespace

ScopedSeparator::ScopedSeparator(char separator) {
    chosen = separator;
    setDecimalSeparatorSource(&chosenSeparator);
}

ScopedSeparator::~ScopedSeparator() {
    setDecimalSeparatorSource(nullptr);
}

}  // namespace kelvarin::testing
