// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "viewsmodule/ViewsModule.h"

namespace kelvarin {

// The windows drawn with Qt Charts and OpenGL, through their module, loaded at the first call
// and kept to the end of the process; it is looked for beside the program, then in the
// installed module folder. Throws Failure with the reason, in the program's language, where
// the module is missing, does not load or is of another version; a later call tries again.
const ViewsModuleApi& viewsModule();

// For tests, whose programs live elsewhere: the module to load instead, from the next call on.
void useViewsModuleFile(const std::string& path);

}  // namespace kelvarin
