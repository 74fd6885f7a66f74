// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up probe: a bare Qt main window with a menu bar, a status bar, a dock
// and about as many widgets as the program's own window, shown, then the process ends. It
// prints, as the program's probe does, how many shared objects it has mapped at that moment.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>

#include "MappedLibraries.h"

namespace {

// The program's window has six fields with captions, four check boxes, six buttons, a slider,
// a selector, a picture in a scroll area, a table in a dock, five menus and labels besides: the
// same kinds here, about as many (QApplication::allWidgets() counts about 80 in each once
// shown).
void fillWindow(QMainWindow& window) {
    for (const char* title : {"Файл", "Правка", "Винт", "Язык", "Справка"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 0; i < 4; ++i) {
            menu->addAction(QStringLiteral("Действие %1").arg(i + 1));
        }
    }
    auto* client = new QWidget;
    auto* grid = new QGridLayout(client);
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Поле %1").arg(i + 1)), i / 3, (i % 3) * 2);
        grid->addWidget(new QLineEdit(QStringLiteral("100")), i / 3, (i % 3) * 2 + 1);
    }
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QCheckBox(QStringLiteral("Флажок %1").arg(i + 1)), 2, i);
    }
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QPushButton(QStringLiteral("Кнопка %1").arg(i + 1)), 3, i);
    }
    for (int i = 0; i < 16; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Подпись %1").arg(i + 1)), 6 + i / 6, i % 6);
    }
    grid->addWidget(new QSlider(Qt::Horizontal), 4, 0, 1, 2);
    grid->addWidget(new QSlider(Qt::Horizontal), 4, 2, 1, 2);
    auto* picture = new QScrollArea;
    picture->setWidget(new QLabel(QStringLiteral("Сечение")));
    grid->addWidget(picture, 5, 0, 1, 6);
    window.setCentralWidget(client);
    auto* dock = new QDockWidget(QStringLiteral("Таблица"), &window);
    dock->setWidget(new QTableWidget(9, 8));
    window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    window.statusBar()->showMessage(QStringLiteral("Готово"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    fillWindow(window);
    window.resize(705, 700);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = QApplication::exec();
    std::printf("widgets %d\nshared objects %d\n",
                static_cast<int>(QApplication::allWidgets().size()),
                kelvarin::mappedSharedObjects());
    return status;
}
