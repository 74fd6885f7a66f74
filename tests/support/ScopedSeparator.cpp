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
    SetDecimalSeparatorSource(&Chosen);
}

ScopedSeparator::~ScopedSeparator() {
    SetDecimalSeparatorSource(nullptr);
}

}  // namespace kelvarin::testing
