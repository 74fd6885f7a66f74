// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/CliCommand.h"

namespace kelvarin {

// kelvarin-cli from its arguments (without the program's own name) to its exit code: the
// tool's --help and --version, or one command with its options. Usage errors and failures go
// to `streams.err` as "kelvarin-cli: reason" lines. The decimal separator is whatever the core
// is set to.
// A run whose output standard output did not take (a full disk, a closed pipe) ends in exit
// code 1 with the reason, never in success.
int runCli(std::span<const std::string> arguments, CliStreams& streams);

// Says on `err` that standard output lost the output, for the system's error number (0 when
// none is known), and returns the exit code for it.
int refuseLostOutput(std::ostream& err, int errorNumber);

}  // namespace kelvarin
