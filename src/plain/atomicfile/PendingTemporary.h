// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvarin {

// A temporary file being written now, removed should SIGTERM or SIGINT end the process before
// it is renamed or removed: a killed writer leaves no hidden file behind. The first one installs
// the handlers, unless the signal is ignored; the handler removes every file still registered,
// then passes the signal on to the handler before it, or ends the process as the signal would
// have. A fixed number are tracked at once (a path too long or one past that number is merely
// not removed on a signal).
class PendingTemporary {
public:
    explicit PendingTemporary(const std::string& path);
    ~PendingTemporary();
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

private:
    int slot_ = -1;
};

}  // namespace kelvarin
