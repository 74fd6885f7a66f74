// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace kelvarin {

namespace {

int errorOf(int result) {
    return result == 0 ? 0 : errno;
}

}  // namespace

int PosixFileSystem::lstat(const std::string& path, struct stat& info) {
    return errorOf(::lstat(path.c_str(), &info));
}

int PosixFileSystem::stat(const std::string& path, struct stat& info) {
    return errorOf(::stat(path.c_str(), &info));
}

int PosixFileSystem::readLink(const std::string& path, std::string& target) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) == sizeof buffer) {
        return ENAMETOOLONG;
    }
    target.assign(buffer, static_cast<std::size_t>(length));
    return 0;
}

int PosixFileSystem::checkWritable(const std::string& path) {
    // The effective ids, as open() uses them: root passes unless the disk itself refuses.
    return errorOf(::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS));
}

int PosixFileSystem::createExclusive(const std::string& path, mode_t mode, int& fd) {
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

int PosixFileSystem::write(int fd, const char* data, std::size_t size, std::size_t& written) {
    written = 0;
    ssize_t result = 0;
    do {
        result = ::write(fd, data, size);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        return errno;
    }
    written = static_cast<std::size_t>(result);
    return 0;
}

int PosixFileSystem::sync(int fd) {
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return errorOf(result);
}

int PosixFileSystem::setMode(int fd, mode_t mode) {
    return errorOf(::fchmod(fd, mode));
}

int PosixFileSystem::setOwner(int fd, uid_t owner, gid_t group) {
    return errorOf(::fchown(fd, owner, group));
}

int PosixFileSystem::close(int fd) {
    // Linux frees the descriptor even when close reports EINTR, so it is never closed twice.
    const int result = ::close(fd);
    return result == 0 || errno == EINTR ? 0 : errno;
}

int PosixFileSystem::rename(const std::string& from, const std::string& to) {
    return errorOf(::rename(from.c_str(), to.c_str()));
}

int PosixFileSystem::remove(const std::string& path) {
    return errorOf(::unlink(path.c_str()));
}

int PosixFileSystem::listNames(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return errno;
    }
    names.clear();
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

}  // namespace kelvarin
