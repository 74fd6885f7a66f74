// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "atomicfile/FileReplacement.h"
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

// A "Date.html" that is a pipe or a device is written as it always was: opened, written and cut
// where the text ended, every error ignored.
void writeInPlace(const std::string& path, std::string_view text) {
    // O_NONBLOCK keeps a pipe without a reader from hanging the calculation.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return;
    }
    const std::size_t written = writeAll(fd, text);
    if (::ftruncate(fd, static_cast<off_t>(written)) != 0) {
        // A pipe or a device has no length to cut.
    }
    ::close(fd);
}

}  // namespace

void writeReport(const PropellerDesign& design, InputMode mode, const std::string& path) {
    const std::string text = reportText(design, mode);
    if (replaceFile(path, text) == Replacement::NotRegularFile) {
        writeInPlace(path, text);
    }
}

}  // namespace kelvarin
