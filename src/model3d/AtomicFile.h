// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

#include "model3d/ModelError.h"

namespace kelvarin::model3d {

// Writes `path` whole or not at all: `fill` writes a new temporary file beside it (in the same
// folder, so on the same disk), which is flushed to the disk and then renamed over `path` in
// one step. If `fill` throws, or anything fails, the temporary file is removed, `path` is left
// as it was, and a ModelError names the file and the reason in Russian (`fill`'s own
// ModelError passes unchanged).
void writeAtomically(const std::filesystem::path& path,
                     const std::function<void(const std::filesystem::path& temporary)>& fill);

// The failure to write `path` for the system error `error` (an errno value), in Russian.
ModelError fileError(const std::filesystem::path& path, int error);

}  // namespace kelvarin::model3d
