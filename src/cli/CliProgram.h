// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "cli/CliCommand.h"

namespace kelvarin {

// kelvarin-cli from its arguments (without the program's own name) to its exit code: the
// tool's --help and --version, or one command with its options. Usage errors and failures go
// to `streams.err` as "kelvarin-cli: reason" lines. The decimal separator is whatever the core
// is set to.
int runCli(std::span<const std::string> arguments, CliStreams& streams);

}  // namespace kelvarin
