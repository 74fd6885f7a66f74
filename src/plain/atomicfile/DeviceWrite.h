// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kelvarin {

// Writes all of `bytes` to a pipe or a device that is already there (what replaceFile leaves
// to its caller), checking every write and the close. A pipe nobody reads is refused at once
// rather than waited on. Throws FileWriteError naming `path`.
void writeToDevice(const std::string& path, std::string_view bytes);

}  // namespace kelvarin
