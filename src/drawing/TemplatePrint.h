// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PropellerDesign.h"
#include "drawing/Printer.h"

namespace kelvarin {

// Prints the nine sections at true size on the printer, one below the other, each with its
// caption, its dotted cut line and scissors mark, and, with ugolChecked, the two reference
// lines of the turned section. Rebuilds the outlines first and leaves them at their page
// positions. Fails before any document is begun when there is no printer (PrinterMissing) or
// when the design cannot be laid out (a Failure with a Russian text).
void printTemplates(PropellerDesign& design, Printer& printer, bool ugolChecked);

}  // namespace kelvarin
