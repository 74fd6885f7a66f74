// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliArguments.h"

#include <algorithm>

#include "core/MessageText.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

const CliOption* findOption(std::span<const CliOption> options, std::string_view argument) {
    const auto found = std::find_if(options.begin(), options.end(), [&](const CliOption& o) {
        if (argument.starts_with("--")) {
            return argument.substr(2) == o.name;
        }
        return o.shortName != '\0' && argument.size() == 2 && argument[1] == o.shortName;
    });
    return found == options.end() ? nullptr : &*found;
}

std::string dashed(const CliOption& option) {
    return "--" + std::string(option.name);
}

}  // namespace

std::string quotedArgument(std::string_view argument) {
    return withArguments(
        translatedText("kelvarin::CliArguments", "«%1»", "an argument quoted in a message"),
        {shownText(argument)});
}

const std::string& CliArguments::value(std::string_view name, std::size_t i) const {
    return options_.find(name)->second.at(i);
}

CliArguments CliArguments::parse(std::span<const std::string> arguments,
                                 std::span<const CliOption> options) {
    CliArguments parsed;
    bool optionsEnded = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            parsed.positionals_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals =
            argument.starts_with("--") ? argument.find('=') : std::string::npos;
        const std::string_view name = std::string_view(argument).substr(0, equals);
        const CliOption* option = findOption(options, name);
        if (option == nullptr) {
            throw CliUsageError{
                withArguments(translatedText("kelvarin::CliArguments", "неизвестный параметр %1"),
                              {quotedArgument(name)})};
        }
        if (parsed.has(option->name)) {
            throw CliUsageError{
                withArguments(translatedText("kelvarin::CliArguments", "параметр %1 указан дважды"),
                              {dashed(*option)})};
        }
        std::vector<std::string> values;
        if (equals != std::string::npos) {
            if (option->values != 1) {
                throw CliUsageError{
                    withArguments(option->values == 0
                                      ? translatedText("kelvarin::CliArguments",
                                                       "параметр %1 не принимает значения")
                                      : translatedText("kelvarin::CliArguments",
                                                       "параметр %1 требует значений через пробел"),
                                  {dashed(*option)})};
            }
            values.push_back(argument.substr(equals + 1));
        }
        while (static_cast<int>(values.size()) < option->values) {
            if (at + 1 >= arguments.size() || arguments[at + 1].starts_with("--")) {
                throw CliUsageError{withArguments(
                    option->values == 1
                        ? translatedText("kelvarin::CliArguments", "после %1 нужно значение")
                        : translatedText("kelvarin::CliArguments", "после %1 нужно %n значения",
                                         nullptr, option->values),
                    {dashed(*option)})};
            }
            values.push_back(arguments[++at]);
        }
        parsed.options_.emplace(std::string(option->name), std::move(values));
    }
    return parsed;
}

}  // namespace kelvarin
