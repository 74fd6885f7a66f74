// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kelvarin {

class FileSystem;

enum class Replacement {
    Replaced,        // the file holds the new bytes, whole
    NotRegularFile,  // a pipe, a device or the like: nothing was done, the caller decides
};

// Replaces the regular file at `path` (or creates it) so that it holds either what it held or
// all of `bytes`, never a part: the bytes go into a new file beside it, created exclusively
// under a name nobody can guess, are flushed to the disk, and the new file is renamed over the
// old one. Where `path` is a symbolic link, the file it leads to is replaced the same way beside
// itself. A replaced file keeps its permissions and, where the system allows, its owner; a new
// one gets 0666 less the umask, as a plain open would give it. A file this process may not
// write is refused, as open() would refuse it, though the folder would allow the rename. A
// loop of links is refused. The temporary file is removed should SIGTERM or SIGINT end the
// process meanwhile, and temporary files of this naming that a killed writer left in the folder
// are removed first (temporaryNameBeside, removeStaleTemporaries).
// Throws FileWriteError naming `path`; the temporary file is gone again by then.
Replacement replaceFile(const std::string& path, std::string_view bytes, FileSystem& fs);
Replacement replaceFile(const std::string& path, std::string_view bytes);

// The same for a writer that wants a file name rather than bytes (a library that opens and
// writes the file itself): `write` is handed the name of the new, empty temporary file beside
// the target and must write it in place (not replace it by another file). Whatever `write`
// throws passes unchanged, after the temporary file is removed; the old file stays as it was.
// A pipe or a device is left to the caller, before `write` is called.
Replacement replaceFileWith(const std::string& path,
                            const std::function<void(const std::string& temporaryPath)>& write,
                            FileSystem& fs);
Replacement replaceFileWith(const std::string& path,
                            const std::function<void(const std::string& temporaryPath)>& write);

// Which file a path leads to, followed through links; nothing when it leads to none.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> fileIdentity(const std::string& path);

}  // namespace kelvarin
