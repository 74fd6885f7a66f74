// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DecimalSeparator.h"
#include "support/RecordingWindow.h"

namespace kelvarin::testing {

namespace {

char chosen = ',';
char Chosen() {
    return chosen;
}

}  // namespace

ScopedSeparator::ScopedSeparator(char separator) {
    chosen = separator;
    setDecimalSeparatorSource(&Chosen);
}

ScopedSeparator::~ScopedSeparator() {
    setDecimalSeparatorSource(nullptr);
}

}  // namespace kelvarin::testing
