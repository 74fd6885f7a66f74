// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace kelvarin {

// The few file operations a file replacement needs, so that a test can make any of them fail.
// Each returns 0 or the errno value of its failure; none retries on its own, except on EINTR.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual int lstat(const std::string& path, struct stat& info) = 0;
    virtual int stat(const std::string& path, struct stat& info) = 0;
    virtual int readLink(const std::string& path, std::string& target) = 0;
    // Whether this process may write the existing file, judged as open() would judge it.
    virtual int checkWritable(const std::string& path) = 0;
    // A new file, created exclusively and never through a link, open for writing.
    virtual int createExclusive(const std::string& path, mode_t mode, int& fd) = 0;
    // Writes some of the bytes; `written` says how many (0 with an error).
    virtual int write(int fd, const char* data, std::size_t size, std::size_t& written) = 0;
    virtual int sync(int fd) = 0;
    virtual int setMode(int fd, mode_t mode) = 0;
    virtual int setOwner(int fd, uid_t owner, gid_t group) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    // The names in a folder ("" for the current one), without "." and "..".
    virtual int listNames(const std::string& folder, std::vector<std::string>& names) = 0;
};

// The real file system of this process.
class PosixFileSystem : public FileSystem {
public:
    int lstat(const std::string& path, struct stat& info) override;
    int stat(const std::string& path, struct stat& info) override;
    int readLink(const std::string& path, std::string& target) override;
    int checkWritable(const std::string& path) override;
    int createExclusive(const std::string& path, mode_t mode, int& fd) override;
    int write(int fd, const char* data, std::size_t size, std::size_t& written) override;
    int sync(int fd) override;
    int setMode(int fd, mode_t mode) override;
    int setOwner(int fd, uid_t owner, gid_t group) override;
    int close(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int listNames(const std::string& folder, std::vector<std::string>& names) override;
};

}  // namespace kelvarin
