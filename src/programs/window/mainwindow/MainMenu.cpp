// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kelvarin {

namespace {

QAction* addAction(QMenu* menu, const char* name, const QString& text,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    fileMenu_ = bar->addMenu(tr("&Файл"));
    fileMenu_->setObjectName(QStringLiteral("MenuFile"));
    open_ = addAction(fileMenu_, "ActionOpen", tr("&Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O));
    save_ =
        addAction(fileMenu_, "ActionSave", tr("&Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs_ = addAction(fileMenu_, "ActionSaveAs", tr("Сохранить &как…"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu_->addSeparator();
    recentMenu_ = fileMenu_->addMenu(tr("&Недавние"));
    recentMenu_->setObjectName(QStringLiteral("MenuRecent"));
    exitSeparator_ = fileMenu_->addSeparator();
    exit_ = addAction(fileMenu_, "ActionExit", tr("В&ыход"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    propellerMenu_ = bar->addMenu(tr("&Винт"));
    propellerMenu_->setObjectName(QStringLiteral("MenuPropeller"));

    helpMenu_ = bar->addMenu(tr("&Справка"));
    helpMenu_->setObjectName(QStringLiteral("MenuHelp"));
    help_ = addAction(helpMenu_, "ActionHelp", tr("&Справка"), QKeySequence(Qt::Key_F1));
    about_ = addAction(helpMenu_, "ActionAbout", tr("&О программе"));

    setRecentFiles({});
}

void MainMenu::addTemplateActions(const QList<QAction*>& actions) {
    insertFileGroup(actions, modelSeparator_ != nullptr ? modelSeparator_ : exitSeparator_);
}

void MainMenu::addModelActions(const QList<QAction*>& actions) {
    if (QAction* separator = insertFileGroup(actions, exitSeparator_); modelSeparator_ == nullptr) {
        modelSeparator_ = separator;
    }
}

QAction* MainMenu::insertFileGroup(const QList<QAction*>& actions, QAction* before) {
    if (actions.isEmpty()) {
        return nullptr;
    }
    fileMenu_->insertActions(before, actions);
    return fileMenu_->insertSeparator(actions.constFirst());
}

void MainMenu::addPropellerActions(const QList<QAction*>& actions) {
    if (!propellerMenu_->isEmpty()) {
        propellerMenu_->addSeparator();
    }
    propellerMenu_->addActions(actions);
}

void MainMenu::addLanguageMenu(QMenu* menu) {
    helpMenu_->addSeparator();
    helpMenu_->addMenu(menu);
}

void MainMenu::setRecentFiles(const QStringList& paths) {
    recentMenu_->clear();
    int number = 0;
    for (const QString& path : paths) {
        ++number;
        // "&1 design.kelvarin", the folder in the tooltip; a name's own ampersands stay text.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(name)
                                         : QStringLiteral("%1 %2").arg(number).arg(name);
        QAction* action = recentMenu_->addAction(text);
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
    recentMenu_->setToolTipsVisible(true);
    recentMenu_->setEnabled(!paths.isEmpty());
}

}  // namespace kelvarin
