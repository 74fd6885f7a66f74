// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

class ProgramTranslation;

// The program from start to end: the application titled "Kelvarin", the main window, the
// hidden About window, and the event loop until the main window closes. With quitWhenShown
// the loop ends as soon as the main window has been shown (start-up measurements). The
// translation, made before Qt starts for the command line's texts, is installed into the
// application for the windows'.
int runApplication(int& argc, char** argv, ProgramTranslation& translation,
                   bool quitWhenShown = false);

}  // namespace kelvarin
