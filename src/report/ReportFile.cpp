// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "report/DataReport.h"

namespace kelvarin {

namespace {

// Writes until done or the first error (a short count counts as one); returns the bytes written.
std::size_t writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    return done;
}

}  // namespace

void writeReport(const PropellerDesign& design, InputMode mode, const std::string& path) {
    const std::string text = reportText(design, mode);
    // The file is emptied by cutting it after the new text rather than with O_TRUNC: on ext4 a
    // file truncated to zero is flushed to disk when it is closed, which costs milliseconds
    // on every calculation. Cutting at what was written leaves the same file in every case,
    // a failed write included. A file that refuses writing is never opened, so it keeps its
    // content. O_NONBLOCK keeps a "Date.html" that is a pipe without a reader from hanging the
    // calculation; it changes nothing for a regular file.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return;
    }
    const std::size_t written = writeAll(fd, text);
    if (::ftruncate(fd, static_cast<off_t>(written)) != 0) {
        // A pipe or a device has no length to cut; nothing else to do either way.
    }
    ::close(fd);  // a failed close is ignored like every other file error
}

}  // namespace kelvarin
