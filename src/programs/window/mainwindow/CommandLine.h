// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kelvarin {

// What the command line asks of the program, with the text to print for it.
struct CommandLineRequest {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    QString text;  // the help, the version line or why the arguments are refused; ends in '\n'
    QString designFile;  // a design to open at start, as given; empty for the start texts
};

// Reads the program's arguments, the first being the program itself. Before Qt has taken its
// own options (-platform, -style, ...) out of them, only --help and --version are looked for,
// so that both work where no display is; once Qt has, one design file may remain and anything
// else is refused.
CommandLineRequest readCommandLine(const QStringList& arguments, bool qtOptionsRemoved);

}  // namespace kelvarin
