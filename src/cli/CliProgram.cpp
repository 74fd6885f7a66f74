// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgram.h"

#include <ostream>
#include <vector>

#include "cli/CliDesignInput.h"
#include "programinfo/ProgramInfo.h"

namespace kelvarin {

namespace {

constexpr CliOption kHelpOption = {"help", 'h', 0};

std::string toolHelp() {
    std::string help =
        "Использование: kelvarin-cli КОМАНДА [параметры]\n"
        "\n"
        "Расчет воздушного винта без окна и дисплея: для пакетной обработки и станков\n"
        "с ЧПУ. Считает так же, как программа kelvarin, и читает и пишет ее проекты.\n"
        "\n"
        "Команды:\n";
    for (const CliCommand* command : cliCommands()) {
        std::string name(command->name);
        name.resize(std::max<std::size_t>(name.size() + 2, 12), ' ');
        help += "  " + name + std::string(command->summary) + "\n";
    }
    help +=
        "\n"
        "Параметры:\n"
        "  -h, --help        показать эту справку и выйти; kelvarin-cli КОМАНДА --help —\n"
        "                    справка по команде\n"
        "  -v, --version     показать версию программы и выйти\n"
        "\n"
        "Код возврата: 0 — успешно; 1 — сообщение или ошибка расчета, негодный файл\n"
        "проекта или геометрии, ошибка записи (причина в стандартном потоке ошибок);\n"
        "2 — неверные параметры.\n"
        "Подробнее: man kelvarin-cli\n";
    return help;
}

const CliCommand* findCommand(const std::string& name) {
    for (const CliCommand* command : cliCommands()) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

// Each line of a reason, as the tool says it.
void tell(std::ostream& err, const std::string& reason) {
    std::size_t start = 0;
    while (start <= reason.size()) {
        const std::size_t end = reason.find('\n', start);
        err << "kelvarin-cli: " << reason.substr(start, end - start) << '\n';
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
}

int refuse(std::ostream& err, const std::string& reason, const std::string& helpCommand) {
    tell(err, reason);
    err << "Справка: " << helpCommand << '\n';
    err.flush();
    return kCliUsage;
}

}  // namespace

int runCli(std::span<const std::string> arguments, CliStreams& streams) {
    if (arguments.empty()) {
        return refuse(streams.err, "не указана команда", "kelvarin-cli --help");
    }
    const std::string& first = arguments[0];
    if (first == "-h" || first == "--help" || first == "help") {
        streams.out << toolHelp();
        return kCliSuccess;
    }
    if (first == "-v" || first == "--version") {
        streams.out << "kelvarin-cli (Kelvarin) " << kProgramVersion << '\n';
        return kCliSuccess;
    }
    const CliCommand* command = findCommand(first);
    if (command == nullptr) {
        return refuse(streams.err,
                      (first.starts_with("-") ? "неизвестный параметр " : "неизвестная команда ") +
                          quotedArgument(first),
                      "kelvarin-cli --help");
    }
    const std::string commandHelp = "kelvarin-cli " + std::string(command->name) + " --help";
    std::vector<CliOption> options(command->options.begin(), command->options.end());
    options.push_back(kHelpOption);
    const std::span<const std::string> rest = arguments.subspan(1);
    try {
        // --help anywhere answers at once, whatever else is wrong.
        for (const std::string& argument : rest) {
            if (argument == "--") {
                break;
            }
            if (argument == "-h" || argument == "--help") {
                streams.out << command->help;
                if (command->takesDesign) {
                    streams.out << '\n' << kDesignInputHelp;
                }
                return kCliSuccess;
            }
        }
        const CliArguments parsed = CliArguments::parse(rest, options);
        return command->run(parsed, streams);
    } catch (const CliUsageError& error) {
        return refuse(streams.err, error.reason, commandHelp);
    } catch (const CliFailure& failure) {
        tell(streams.err, failure.reason);
        streams.err.flush();
        return kCliFailure;
    }
}

}  // namespace kelvarin
