// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "core/Translation.h"
#include "mainwindow/Application.h"
#include "mainwindow/CommandLine.h"
#include "systemlocale/ProgramTranslation.h"

namespace {

bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version are answered before Qt starts, so they need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // One catalogue from the first message to the last, the window's included.
    kelvarin::ProgramTranslation translation(kelvarin::userProgramLanguage());
    const kelvarin::CommandLineRequest request = kelvarin::readCommandLine(arguments, false);
    if (request.action != kelvarin::CommandLineRequest::Action::Run) {
        std::fputs(qPrintable(request.text), stdout);
        return 0;
    }
    if (!hasDisplay()) {
        std::fputs(kelvarin::translatedText(
                       "kelvarin::Program",
                       "Для работы Kelvarin нужен графический дисплей, а он не найден (не "
                       "заданы DISPLAY и WAYLAND_DISPLAY). Запустите программу в графическом "
                       "сеансе, а без дисплея так: xvfb-run -a kelvarin\n")
                       .c_str(),
                   stderr);
        return 1;
    }
    return kelvarin::runApplication(argc, argv, translation);
}
