// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/FileReplacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "atomicfile/FileSystem.h"
#include "atomicfile/FileWriteError.h"
#include "atomicfile/PendingTemporary.h"
#include "atomicfile/TemporaryNames.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

// As the kernel's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;
constexpr int kTemporaryAttempts = 100;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A hidden name beside the file that nobody can guess in advance.
std::string randomTemporaryName(const std::string& path, std::random_device& random) {
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string letters(8, ' ');
    for (char& c : letters) {
        c = kLetters[random() % kLetters.size()];
    }
    return temporaryNameBeside(path, ::getpid(), letters);
}

// What a path finally leads to, when that is worth replacing by name.
struct Target {
    std::string path;                 // the link's end, or the path itself
    std::optional<struct stat> info;  // nothing when no file is there yet
    bool regular = false;             // replace by name; otherwise leave it to the caller
};

Target resolve(const std::string& path, FileSystem& fs) {
    Target target{path, std::nullopt, false};
    struct stat info {};
    for (int links = 0;; ++links) {
        const int error = fs.lstat(target.path, info);
        if (error == ENOENT) {
            // Created, as a plain open would create it; but a link whose text names nothing
            // while it still leads to a file (the system's links to open files) is no name of
            // that file.
            struct stat followed {};
            target.regular = target.path == path || fs.stat(path, followed) == ENOENT;
            return target;
        }
        if (error != 0) {
            throw FileWriteError(path, error, fileErrorReason(error));
        }
        if (!S_ISLNK(info.st_mode)) {
            break;
        }
        if (links == kMaxLinks) {
            throw FileWriteError(path, ELOOP, fileErrorReason(ELOOP));
        }
        std::string next;
        if (const int linkError = fs.readLink(target.path, next); linkError != 0) {
            throw FileWriteError(path, linkError, fileErrorReason(linkError));
        }
        target.path = next.starts_with('/') ? next : folderOf(target.path) + next;
    }
    if (S_ISDIR(info.st_mode)) {
        throw FileWriteError(path, EISDIR, fileErrorReason(EISDIR));
    }
    target.info = info;
    if (!S_ISREG(info.st_mode)) {
        return target;
    }
    if (target.path != path) {
        // A link's text is not always a name of its target (the system's own links to open
        // files are not): replace by name only what the link itself leads to.
        struct stat followed {};
        if (fs.stat(path, followed) != 0 || followed.st_dev != info.st_dev ||
            followed.st_ino != info.st_ino) {
            return target;
        }
    }
    target.regular = true;
    return target;
}

class TemporaryFile {
public:
    TemporaryFile(const std::string& beside, mode_t mode, FileSystem& fs, const std::string& shown)
        : fs_(fs), shown_(shown) {
        std::random_device random;
        int error = EEXIST;
        for (int attempt = 0; attempt < kTemporaryAttempts && error == EEXIST; ++attempt) {
            path_ = randomTemporaryName(beside, random);
            error = fs_.createExclusive(path_, mode, fd_);
        }
        if (error == 0) {
            pending_.emplace(path_);
        }
        if (error != 0) {
            fd_ = -1;
            fail(error, error == EACCES ? translatedText("kelvarin::FileReplacement",
                                                         "нет прав на запись в папку")
                                        : fileErrorReason(error));
        }
    }
    const std::string& path() const { return path_; }

    ~TemporaryFile() {
        if (fd_ >= 0) {
            fs_.close(fd_);
        }
        if (!renamed_) {
            fs_.remove(path_);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void keepAttributesOf(const struct stat& old) {
        // Best effort: a user cannot hand a file to another owner, and a file system may not
        // keep modes at all; neither is a reason to keep the old report.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            fs_.setOwner(fd_, old.st_uid, old.st_gid);
        }
        fs_.setMode(fd_, old.st_mode & 0777);
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            std::size_t written = 0;
            int error = fs_.write(fd_, bytes.data(), bytes.size(), written);
            if (error == 0 && written == 0) {
                error = EIO;  // no progress and no reason: never loop on it
            }
            if (error != 0) {
                fail(error, fileErrorReason(error));
            }
            bytes.remove_prefix(written);
        }
    }

    // Flushed before the rename, so that the name never leads to a file the disk has not got.
    void commit(const std::string& to) {
        if (const int error = fs_.sync(fd_); error != 0) {
            fail(error, fileErrorReason(error));
        }
        const int closeError = fs_.close(fd_);
        fd_ = -1;
        if (closeError != 0) {
            fail(closeError, fileErrorReason(closeError));
        }
        if (const int error = fs_.rename(path_, to); error != 0) {
            fail(error, fileErrorReason(error));
        }
        renamed_ = true;
        // The folder itself is not flushed: after a crash the name may still lead to the old
        // file, which is whole too.
    }

private:
    [[noreturn]] void fail(int error, const std::string& reason) {
        throw FileWriteError(shown_, error, reason);
    }

    FileSystem& fs_;
    const std::string& shown_;
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
    std::optional<PendingTemporary> pending_;  // released after the file is removed or renamed
};

// Replaces the file at `path` with what `fill` puts into the temporary file beside its target.
Replacement replaceThrough(const std::string& path, FileSystem& fs,
                           const std::function<void(TemporaryFile&)>& fill) {
    const Target target = resolve(path, fs);
    if (!target.regular) {
        return Replacement::NotRegularFile;
    }
    if (target.info) {
        if (const int error = fs.checkWritable(target.path); error != 0) {
            throw FileWriteError(
                path, error,
                error == EACCES || error == EPERM
                    ? translatedText("kelvarin::FileReplacement", "файл защищён от записи")
                    : fileErrorReason(error));
        }
    }
    removeStaleTemporaries(folderOf(target.path), fs);
    TemporaryFile temporary(target.path, 0666, fs, path);
    if (target.info) {
        temporary.keepAttributesOf(*target.info);
    }
    fill(temporary);
    temporary.commit(target.path);
    return Replacement::Replaced;
}

}  // namespace

Replacement replaceFile(const std::string& path, std::string_view bytes, FileSystem& fs) {
    return replaceThrough(path, fs, [bytes](TemporaryFile& temporary) { temporary.write(bytes); });
}

Replacement replaceFile(const std::string& path, std::string_view bytes) {
    PosixFileSystem fs;
    return replaceFile(path, bytes, fs);
}

Replacement replaceFileWith(const std::string& path,
                            const std::function<void(const std::string& temporaryPath)>& write,
                            FileSystem& fs) {
    // The descriptor stays open while the writer writes by name: syncing it flushes the
    // writer's bytes, which are the same file's.
    return replaceThrough(path, fs,
                          [&write](TemporaryFile& temporary) { write(temporary.path()); });
}

Replacement replaceFileWith(const std::string& path,
                            const std::function<void(const std::string& temporaryPath)>& write) {
    PosixFileSystem fs;
    return replaceFileWith(path, write, fs);
}

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino};
}

}  // namespace kelvarin
