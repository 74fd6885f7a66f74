// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts for a user, ending as soon as its main window has been shown, so
// that start-up can be timed as a whole process.
#include "mainwindow/Application.h"
#include "systemlocale/ProgramTranslation.h"

int main(int argc, char* argv[]) {
    kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    return kelvarin::runApplication(argc, argv, translation, true);
}
