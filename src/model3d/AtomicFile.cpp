// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "model3d/ModelError.h"

namespace kelvarin::model3d {

namespace {

std::string reasonOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "такой папки нет";
        case EACCES:
        case EPERM:
            return "нет права записи в эту папку";
        case EROFS:
            return "диск открыт только для чтения";
        case ENOSPC:
        case EDQUOT:
            return "на диске не хватает места";
        case EISDIR:
            return "под этим именем уже есть папка";
        case ENAMETOOLONG:
            return "слишком длинное имя";
        default:
            return std::strerror(error);
    }
}

std::string failureText(const std::filesystem::path& path, const std::string& reason) {
    return "Не удалось сохранить модель в файл «" + path.string() + "»: " + reason + ".";
}

[[noreturn]] void failed(const std::filesystem::path& path, const std::string& reason) {
    throw ModelError(failureText(path, reason));
}

[[noreturn]] void failed(const std::filesystem::path& path, int error) {
    failed(path, reasonOf(error));
}

// Removes the temporary file on every way out but the rename.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        const std::filesystem::path folder =
            target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + name at -O3.
        std::string hidden = ".";
        hidden += target.filename().string();
        hidden += ".XXXXXX";
        const std::string pattern = (folder / hidden).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            failed(target, errno);
        }
        // mkstemp keeps the file to its owner; a saved model is as readable as any new file.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        ::close(fd);
        path_ = name.data();
    }
    ~TemporaryFile() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void release() { path_.clear(); }

private:
    std::filesystem::path path_;
};

// Flushes the written bytes to the disk, so that the rename never exposes an empty file after
// a crash of the machine.
int syncToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}

}  // namespace

ModelError fileError(const std::filesystem::path& path, int error) {
    return ModelError("Не удалось сохранить модель в файл «" + path.string() +
                      "»: " + reasonOf(error) + ".");
}

void writeAtomically(const std::filesystem::path& path,
                     const std::function<void(const std::filesystem::path& temporary)>& fill) {
    if (path.empty() || !path.has_filename()) {
        failed(path, "не указано имя файла");
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        failed(path, EISDIR);
    }
    TemporaryFile temporary(path);
    fill(temporary.path());
    if (const int syncError = syncToDisk(temporary.path())) {
        failed(path, syncError);
    }
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
        failed(path, errno);
    }
    temporary.release();
}

}  // namespace kelvarin::model3d
