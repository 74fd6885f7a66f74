// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model3d/ModelError.h"

namespace kelvarin {

// The failure to save a model in `path` for `reason`, as the user reads it.
ModelError saveFailure(const std::filesystem::path& path, const std::string& reason);

// The model file at `path` replaced whole or not at all (atomicfile's replacement: a temporary
// file beside it, flushed, renamed over it); a pipe or a device is refused. A failure is a
// ModelError naming `path`; the old file, if any, stays as it was.
void writeModelBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace kelvarin
