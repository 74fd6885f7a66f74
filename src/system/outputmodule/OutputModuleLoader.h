// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "outputmodule/OutputModule.h"

namespace kelvarin {

// The templates' files and printing, through their module, loaded at the first call and kept
// to the end of the process; it is looked for beside the program, then in the installed module
// folder. Throws Failure with the reason, in the program's language, where the module is
// missing, does not load or is of another version; a later call tries again.
const OutputModuleApi& outputModule();

// A failure the module handed back, thrown as the program throws it: PrinterMissing, or a
// Failure with its text. Nothing for an empty one.
void throwOutputFailure(const OutputFailure& failure);

// For tests, whose programs live elsewhere: the module to load instead, from the next call on.
void useOutputModuleFile(const std::string& path);

}  // namespace kelvarin
