// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli: the calculation, the report and design files from a shell, without a display.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include <QSettings>
#include "cli/CliProgram.h"
#include "cli/DescriptorOutput.h"

#include "systemlocale/LocaleSeparator.h"
#include "systemlocale/ProgramTranslation.h"

int main(int argc, char* argv[]) {
    // Numbers are read and written with the user's separator, as in the window, so that the
    // report is the same bytes under the same locale.
    kelvarin::useLocaleDecimalSeparator();
    // The tool speaks the window's language: the one chosen in its menu, else the locale's.
    const kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Standard output straight to its descriptor, which remembers why a write failed: the run
    // checks it at the end and says so.
    kelvarin::DescriptorOutput outputBuffer(STDOUT_FILENO);
    std::ostream out(&outputBuffer);
    kelvarin::CliStreams streams{out, std::cerr};
    return kelvarin::runCli(arguments, streams);
}
