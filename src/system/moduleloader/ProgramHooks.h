// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DecimalSeparator.h"
#include "core/Translation.h"

namespace kelvarin {

// A module keeps copies of the plain libraries of its own, and with them their own text
// catalogue and decimal separator. The program hands it these, its own functions, once at
// loading, so that the module's texts and numbers follow the program's wherever they change.
struct ProgramHooks {
    const TextCatalogue* (*catalogue)() = nullptr;  // the catalogue installed now, null: Russian
    DecimalSeparatorSource separator = nullptr;
};

// The program's side: the hooks of the copy of the libraries this is linked into.
ProgramHooks programHooks();

// The module's side: its copy of the libraries asks the program from now on.
void followProgram(const ProgramHooks& hooks);

}  // namespace kelvarin
