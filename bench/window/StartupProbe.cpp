// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts for a user, ending as soon as its main window has been shown, so
// that start-up can be timed as a whole process. It prints how many shared objects it has
// mapped by then, as the bare window's probe does.
#include <cstdio>

#include "MappedLibraries.h"
#include "mainwindow/Application.h"
#include "systemlocale/ProgramTranslation.h"

int main(int argc, char* argv[]) {
    kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    const int status = kelvarin::runApplication(argc, argv, translation, true);
    std::printf("shared objects %d\n", kelvarin::mappedSharedObjects());
    return status;
}
