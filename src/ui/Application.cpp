// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "qtdrawing/QtPrinter.h"
#include "ui/DesktopShell.h"
#include "ui/LocaleSeparator.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"

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
    QApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvarin"));
    QApplication::setWindowIcon(applicationIcon());
    useLocaleDecimalSeparator();

    QtMessageBoxes messages;
    QtDesktopShell shell;
    QtPrinter printer;
    // The main window creates the About window, hidden, right after itself.
    MainWindow form({messages, shell, printer});
    form.show();
    if (quitWhenShown) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}

}  // namespace kelvarin
