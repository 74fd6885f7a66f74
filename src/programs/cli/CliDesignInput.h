// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/CliArguments.h"
#include "core/CalculationRun.h"
#include "designfile/DesignDocument.h"

namespace kelvarin {

// The options that describe a design, shared by the commands that take one: a design file
// (the one positional argument) and the field and mode options over it.
inline constexpr CliOption kDesignInputOptions[] = {
    {"power", '\0', 1},        {"rpm", '\0', 1},          {"vmax", '\0', 1},
    {"vdesign", '\0', 1},      {"by-diameter", '\0', 1},  {"manual", '\0', 2},
    {"blade-angles", '\0', 1}, {"engine-curve", '\0', 1},
};

// The design input options followed by a command's own.
template <std::size_t N>
constexpr auto withDesignInputOptions(const std::array<CliOption, N>& own) {
    std::array<CliOption, std::size(kDesignInputOptions) + N> options{};
    std::size_t i = 0;
    for (const CliOption& option : kDesignInputOptions) {
        options[i++] = option;
    }
    for (const CliOption& option : own) {
        options[i++] = option;
    }
    return options;
}

// Their part of a command's --help, in the user's language.
std::string designInputHelp();

// The design the arguments give: the design file if there is one, else the window's start
// texts and calculated mode, with each option's text over it. A value may use a point or a
// comma; it is kept with the current separator. Throws CliUsageError for a value the fields
// would refuse, two modes or more than one file, CliFailure for a file that does not read.
// A command whose own --rpm means something else (perf: the rpm of its analysis) passes
// `rpmIsTheDesigns` false; the design's propeller speed then comes from the file or the start.
DesignDocument designFromArguments(const CliArguments& arguments, bool rpmIsTheDesigns = true);

// The calculation the window runs for the design, from a fresh record, with the blade angles of
// the design's rule (for `engine` matched to the engine in standard sea-level air). A run that
// brings a field's message (an empty or zero field, which the window would fill with its fallback)
// or that fails throws CliFailure with the messages or the reason: the tool computes nothing from
// values the user did not give. A blade that cannot be matched to its engine throws CliFailure with
// the reason and the diameter that would match.
CalculationOutcome calculateDesign(const DesignDocument& document);

// Writes bytes to a file, atomically (a pipe or a device in place), or to standard output for
// "-", which the tool checks at the end of its run. Throws CliFailure naming the file.
void writeOutput(const std::string& path, std::string_view bytes, std::ostream& out);

}  // namespace kelvarin
