// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/DeviceWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "atomicfile/FileWriteError.h"
#include "core/Translation.h"

namespace kelvarin {

void writeToDevice(const std::string& path, std::string_view bytes) {
    int fd = -1;
    do {
        // O_NONBLOCK: a pipe without a reader answers ENXIO instead of waiting for one.
        fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        throw FileWriteError(path, error,
                             error == ENXIO
                                 ? translatedText("kelvarin::DeviceWrite", "канал никто не читает")
                                 : fileErrorReason(error));
    }
    int error = 0;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = errno;
    }
    while (error == 0 && !bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = written < 0 ? errno : EIO;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // Linux frees the descriptor even when close reports EINTR.
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error != 0) {
        throw FileWriteError(path, error, fileErrorReason(error));
    }
}

}  // namespace kelvarin
