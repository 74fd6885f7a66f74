// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/TemporaryNames.h"

#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <vector>

#include "atomicfile/FileSystem.h"

namespace kelvarin {

namespace {

// The longest name a Linux file system takes, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kMark = ".kelvarin-";
constexpr std::string_view kEnd = ".tmp";
constexpr std::size_t kLetterCount = 8;

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string_view nameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string temporaryNameBeside(const std::string& path, pid_t writer, std::string_view letters) {
    const std::string tail = std::string(kMark) + std::to_string(writer) + "-" +
                             std::string(letters) + std::string(kEnd);
    std::string_view base = nameOf(path);
    const std::size_t room = kMaxNameBytes - 1 - tail.size();
    if (base.size() > room) {
        std::size_t cut = room;
        // Never half a character: a UTF-8 continuation byte is 10xxxxxx.
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        base = base.substr(0, cut);
    }
    return path.substr(0, path.size() - nameOf(path).size()) + "." + std::string(base) + tail;
}

std::optional<pid_t> temporaryWriter(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(kEnd)) {
        return std::nullopt;
    }
    name.remove_suffix(kEnd.size());
    if (name.size() < kLetterCount + 1 || name[name.size() - kLetterCount - 1] != '-') {
        return std::nullopt;
    }
    for (char c : name.substr(name.size() - kLetterCount)) {
        if (!isLetterOrDigit(c)) {
            return std::nullopt;
        }
    }
    name.remove_suffix(kLetterCount + 1);
    const auto mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(mark + kMark.size());
    pid_t writer = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), writer);
    if (error != std::errc() || end != digits.data() + digits.size() || writer <= 0) {
        return std::nullopt;
    }
    return writer;
}

void removeStaleTemporaries(const std::string& folder, FileSystem& fs) {
    std::vector<std::string> names;
    if (fs.listNames(folder, names) != 0) {
        return;
    }
    for (const std::string& name : names) {
        const std::optional<pid_t> writer = temporaryWriter(name);
        // A process that exists, whoever's it is, may still be writing; only one that is gone
        // has certainly stopped.
        if (!writer || ::kill(*writer, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat info {};
        if (fs.lstat(folder + name, info) == 0 && S_ISREG(info.st_mode)) {
            fs.remove(folder + name);
        }
    }
}

}  // namespace kelvarin
