// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliArguments.h"

namespace kelvarin {

// The tool's exit codes.
enum CliExit : int {
    kCliSuccess = 0,
    kCliFailure = 1,  // a calculation message, a failed calculation, a bad file, a failed write
    kCliUsage = 2,    // options the tool does not understand
};

// A failure the tool reports with exit code 1: the reason in the user's language, without the
// program's name.
struct CliFailure {
    std::string reason;
};

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
};

// One command of kelvarin-cli: "kelvarin-cli NAME [options]". A command is one file that
// defines one of these; cliCommands() lists them.
struct CliCommand {
    std::string_view name;
    // The translation context of the command's texts, "kelvarin::<File>": the summary and the
    // help are marked with textToTranslate() under it and shown through translatedText().
    const char* textContext;
    const char* summary;  // one line for the tool's --help
    const char* help;     // the command's own --help, ends with a newline
    std::span<const CliOption> options;
    // Whether it takes a design (a design file and the field options, kDesignInputOptions),
    // whose help then follows its own.
    bool takesDesign = false;
    // Runs with the parsed arguments; throws CliUsageError or CliFailure, or returns the code.
    int (*run)(const CliArguments& arguments, CliStreams& streams) = nullptr;
};

// Every command, in the order the tool's --help lists them.
std::span<const CliCommand* const> cliCommands();

}  // namespace kelvarin
