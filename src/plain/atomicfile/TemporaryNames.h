// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace kelvarin {

class FileSystem;

// The hidden name a new file is written under beside `path` before it takes the file's place:
// ".Date.html.kelvarin-4711-k3Xq9PzA.tmp", the writer's process id and eight random letters.
// The file's own name is cut (at a whole UTF-8 character) so that the whole fits a file name of
// 255 bytes.
std::string temporaryNameBeside(const std::string& path, pid_t writer, std::string_view letters);

// The process that writes the temporary file of that name, when the name is of that form.
std::optional<pid_t> temporaryWriter(std::string_view name);

// Removes the temporary files in `folder` ("" for the current one, else ending in '/') whose
// writer no longer runs: what a killed writer left behind. Nothing else is touched, and a
// failure is no reason not to write.
void removeStaleTemporaries(const std::string& folder, FileSystem& fs);

}  // namespace kelvarin
