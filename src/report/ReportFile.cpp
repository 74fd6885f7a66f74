#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "report/DataReport.h"

namespace kelvarin {

namespace {

// Writes until done or the first error; a short count is an error like any other.
void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

void WriteReport(const PropellerDesign& design, bool manual, const std::string& path) {
    const std::string text = ReportText(design, manual);
    // O_TRUNC empties the file only once it is open for writing, so a file that refuses us
    // keeps its content. O_NONBLOCK keeps a "Date.html" that is a pipe without a reader from
    // hanging the calculation; it changes nothing for a regular file.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return;
    }
    WriteAll(fd, text);
    ::close(fd);  // a failed close is ignored like every other file error
}

}  // namespace kelvarin
