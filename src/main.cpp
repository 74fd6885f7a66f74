// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>

#include "ui/Application.h"

namespace {

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "Kelvarin needs a graphical display and none was found (DISPLAY is not set); to run "
            "it without one, start it as: xvfb-run -a build/release/kelvarin\n",
            stderr);
        return 1;
    }
    return kelvarin::runApplication(argc, argv);
}
