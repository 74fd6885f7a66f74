// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Application.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>
#include <cstdio>

#include "core/ProgramInfo.h"
#include "designmodel/DesignSession.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/MainWindow.h"
#include "outputmodule/SystemPrinter.h"
#include "services/DesktopShell.h"
#include "services/FileDialogs.h"
#include "services/MessageBoxes.h"
#include "systemlocale/LocaleSeparator.h"
#include "systemlocale/ProgramTranslation.h"

namespace kelvarin {

namespace {

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/kelvarin/icons/kelvarin-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace

int runApplication(int& argc, char** argv, ProgramTranslation& translation, bool quitWhenShown) {
    QApplication app(argc, argv);
    // The program's texts and Qt's own (file dialogs, message box buttons) in one language.
    translation.installIntoApplication();
    // What is left once Qt has taken its own options must be nothing the program does not know.
    const CommandLineRequest request = readCommandLine(QCoreApplication::arguments(), true);
    if (request.action == CommandLineRequest::Action::Refuse) {
        std::fputs(qPrintable(request.text), stderr);
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    QApplication::setWindowIcon(applicationIcon());
    useLocaleDecimalSeparator();
    // The recent designs and the chosen language, in the user's configuration folder
    // (Kelvarin/Kelvarin.conf).
    QSettings settings(QStringLiteral("Kelvarin"), QStringLiteral("Kelvarin"));

    QtMessageBoxes messages;
    QtDesktopShell shell;
    // Nothing of the printer is loaded before the window is shown: the first section drawn asks
    // its resolution.
    SystemPrinter printer;
    QtFileDialogs fileDialogs;
    // The main window creates the About window, hidden, right after itself.
    MainWindow form({messages, shell, printer, fileDialogs, settings});
    form.show();
    if (!request.designFile.isEmpty()) {
        form.session().openFile(request.designFile);
    }
    if (quitWhenShown) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}

}  // namespace kelvarin
