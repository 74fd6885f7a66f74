// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin {

// A command's option: --name, or -x when it has a short name, followed by `values` values
// (0 for a switch). An option given once only.
struct CliOption {
    std::string_view name;
    char shortName = '\0';
    int values = 0;
};

// Bad usage of the tool: the reason in the user's language, without the program's name.
struct CliUsageError {
    std::string reason;
};

// The arguments after the command's name, sorted into options and the rest.
class CliArguments {
public:
    bool has(std::string_view name) const { return options_.find(name) != options_.end(); }
    // The i-th value of an option that was given.
    const std::string& value(std::string_view name, std::size_t i = 0) const;
    const std::vector<std::string>& positionals() const { return positionals_; }

    // Throws CliUsageError for an unknown or repeated option, or a missing value. A value is
    // the next argument, or follows "=" for a one-value option ("--rpm=2300"); it may start
    // with one "-" (a negative number) but not with two. "--" ends the options.
    static CliArguments parse(std::span<const std::string> arguments,
                              std::span<const CliOption> options);

private:
    std::map<std::string, std::vector<std::string>, std::less<>> options_;
    std::vector<std::string> positionals_;
};

// An argument as a message may quote it, in the language's quotes: control characters become "?".
std::string quotedArgument(std::string_view argument);

}  // namespace kelvarin
