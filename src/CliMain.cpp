// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli: the calculation, the report and design files from a shell, without a display.
#include <iostream>
#include <string>
#include <vector>

#include <QSettings>
#include "cli/CliProgram.h"

#include "systemlocale/LocaleSeparator.h"
#include "systemlocale/ProgramTranslation.h"

int main(int argc, char* argv[]) {
    // Numbers are read and written with the user's separator, as in the window, so that the
    // report is the same bytes under the same locale.
    kelvarin::useLocaleDecimalSeparator();
    // The tool speaks the window's language: the one chosen in its menu, else the locale's.
    const kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    kelvarin::CliStreams streams{std::cout, std::cerr};
    const int code = kelvarin::runCli(arguments, streams);
    std::cout.flush();
    return std::cout.fail() && code == kelvarin::kCliSuccess ? kelvarin::kCliFailure : code;
}
