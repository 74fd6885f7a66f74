// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Stops the geometric kernel from printing its progress reports to the standard output, which
// belongs to the program (and to the command-line tool's own output). Failures still reach us
// as exceptions and return codes. Safe to call any number of times.
void silenceKernelMessages();

}  // namespace kelvarin
