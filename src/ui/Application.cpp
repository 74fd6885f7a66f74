// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "printsystem/CupsPrintSystem.h"
#include "qtdrawing/QtPrinter.h"
#include "ui/CommandLine.h"
#include "ui/DesktopShell.h"
#include "ui/LocaleSeparator.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramInfo.h"

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

int runApplication(int& argc, char** argv, bool quitWhenShown) {
    QApplication app(argc, argv);
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

    QtMessageBoxes messages;
    QtDesktopShell shell;
    CupsPrintSystem printSystem;
    QtPrinter printer(printSystem);
    // The main window creates the About window, hidden, right after itself.
    MainWindow form({messages, shell, printer});
    form.show();
    if (quitWhenShown) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}

}  // namespace kelvarin
