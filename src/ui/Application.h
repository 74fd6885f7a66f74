// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// The program from start to end: the application titled "Kelvarin", the main window, the
// hidden About window, and the event loop until the main window closes. With quitWhenShown
// the loop ends as soon as the main window has been shown (start-up measurements).
int runApplication(int& argc, char** argv, bool quitWhenShown = false);

}  // namespace kelvarin
