// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts for a user, ending as soon as its main window has been shown, so
// that start-up can be timed as a whole process.
#include "systemlocale/ProgramTranslation.h"
#include "ui/Application.h"

int main(int argc, char* argv[]) {
    kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    return kelvarin::runApplication(argc, argv, translation, true);
}
