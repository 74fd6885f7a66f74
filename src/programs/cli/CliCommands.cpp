// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's commands. A new command is a file of its own defining a CliCommand, named here
// and in CMakeLists.txt.
#include <array>

#include "cli/CliCommand.h"

namespace kelvarin {

extern const CliCommand kCalcCommand;
extern const CliCommand kReportCommand;
extern const CliCommand kSaveCommand;
extern const CliCommand kPerfCommand;
extern const CliCommand kModelCommand;
extern const CliCommand kTemplatesCommand;

std::span<const CliCommand* const> cliCommands() {
    static const std::array<const CliCommand*, 6> kCommands = {
        &kCalcCommand,      &kReportCommand, &kSaveCommand,
        &kTemplatesCommand, &kPerfCommand,   &kModelCommand,
    };
    return kCommands;
}

}  // namespace kelvarin
