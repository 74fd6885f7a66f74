// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace kelvarin {

// The window's menu bar: Файл (open, save, save as, recent designs, the template actions,
// exit) and Справка (help, about). It only offers the actions; the window connects them to its
// handlers.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }
    QAction* saveAsAction() const { return saveAs_; }
    QAction* exitAction() const { return exit_; }
    QAction* helpAction() const { return help_; }
    QAction* aboutAction() const { return about_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* recentMenu() const { return recentMenu_; }

    // Puts the template actions (export, print, preview) into Файл as a group of their own,
    // between Недавние and Выход, in the order given.
    void addTemplateActions(const QList<QAction*>& actions);

    // Lists the recent designs under Недавние, numbered, most recent first; an empty list
    // leaves the submenu disabled.
    void setRecentFiles(const QStringList& paths);

signals:
    void recentFileChosen(const QString& path);

private:
    QMenu* fileMenu_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The separator above Выход: template actions go in before it.
    QAction* exitSeparator_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* help_ = nullptr;
    QAction* about_ = nullptr;
};

}  // namespace kelvarin
