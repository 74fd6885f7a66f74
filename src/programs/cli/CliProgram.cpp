// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgram.h"

#include <cerrno>
#include <ostream>
#include <vector>

#include "atomicfile/FileWriteError.h"
#include "cli/CliDesignInput.h"
#include "core/ProgramInfo.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr CliOption kHelpOption = {"help", 'h', 0};

std::string toolHelp() {
    std::string help = translatedText(
        "kelvarin::CliProgram",
        "Использование: kelvarin-cli КОМАНДА [параметры]\n"
        "\n"
        "Расчет воздушного винта без окна и дисплея: для пакетной обработки и станков\n"
        "с ЧПУ. Считает так же, как программа kelvarin, и читает и пишет ее проекты.\n"
        "\n"
        "Команды:\n");
    for (const CliCommand* command : cliCommands()) {
        std::string name(command->name);
        name.resize(std::max<std::size_t>(name.size() + 2, 12), ' ');
        help += "  " + name + translatedText(command->textContext, command->summary) + "\n";
    }
    help += translatedText(
        "kelvarin::CliProgram",
        "\n"
        "Параметры:\n"
        "  -h, --help        показать эту справку и выйти; kelvarin-cli КОМАНДА --help —\n"
        "                    справка по команде\n"
        "  -v, --version     показать версию программы и выйти\n"
        "\n"
        "Код возврата: 0 — успешно; 1 — сообщение или ошибка расчета, негодный файл\n"
        "проекта или геометрии, ошибка записи (причина в стандартном потоке ошибок);\n"
        "2 — неверные параметры.\n"
        "Подробнее: man kelvarin-cli\n");
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
    err << withArguments(translatedText("kelvarin::CliProgram", "Справка: %1"), {helpCommand})
        << '\n';
    err.flush();
    return kCliUsage;
}

// The command's code, unless standard output has not taken all it was given.
int withOutputChecked(int code, CliStreams& streams) {
    // The buffer itself, even when the stream already knows it failed: its failing sync
    // leaves the reason in errno.
    errno = 0;
    const bool synced = streams.out.rdbuf() == nullptr || streams.out.rdbuf()->pubsync() == 0;
    const int error = errno;
    if (code == kCliSuccess && (!synced || !streams.out)) {
        return refuseLostOutput(streams.err, error);
    }
    return code;
}

}  // namespace

int refuseLostOutput(std::ostream& err, int errorNumber) {
    tell(err,
         withArguments(
             translatedText("kelvarin::CliProgram", "Не удалось записать в стандартный вывод: %1"),
             {errorNumber != 0 ? fileErrorReason(errorNumber) : fileErrorReason(EIO)}));
    err.flush();
    return kCliFailure;
}

int runCli(std::span<const std::string> arguments, CliStreams& streams) {
    if (arguments.empty()) {
        return refuse(streams.err, translatedText("kelvarin::CliProgram", "не указана команда"),
                      "kelvarin-cli --help");
    }
    const std::string& first = arguments[0];
    if (first == "-h" || first == "--help" || first == "help") {
        streams.out << toolHelp();
        return withOutputChecked(kCliSuccess, streams);
    }
    if (first == "-v" || first == "--version") {
        streams.out << "kelvarin-cli (Kelvarin) " << kProgramVersion << '\n';
        return withOutputChecked(kCliSuccess, streams);
    }
    const CliCommand* command = findCommand(first);
    if (command == nullptr) {
        return refuse(
            streams.err,
            withArguments(first.starts_with("-")
                              ? translatedText("kelvarin::CliProgram", "неизвестный параметр %1")
                              : translatedText("kelvarin::CliProgram", "неизвестная команда %1"),
                          {quotedArgument(first)}),
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
                streams.out << translatedText(command->textContext, command->help);
                if (command->takesDesign) {
                    streams.out << '\n' << designInputHelp();
                }
                return withOutputChecked(kCliSuccess, streams);
            }
        }
        const CliArguments parsed = CliArguments::parse(rest, options);
        return withOutputChecked(command->run(parsed, streams), streams);
    } catch (const CliUsageError& error) {
        return refuse(streams.err, error.reason, commandHelp);
    } catch (const CliFailure& failure) {
        tell(streams.err, failure.reason);
        streams.err.flush();
        return kCliFailure;
    }
}

}  // namespace kelvarin
