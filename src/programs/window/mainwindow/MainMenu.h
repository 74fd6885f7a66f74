// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace kelvarin {

// The window's menu bar: Файл (open, save, save as, recent designs, the template and model
// file actions, exit), Винт (what the propeller will do, its 3D model) and Справка (help,
// about). It only offers the actions; the window connects them to its handlers.
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
    QMenu* propellerMenu() const { return propellerMenu_; }

    // Puts the template actions (export, print, preview) into Файл as a group of their own,
    // between Недавние and Выход, in the order given, above the model's group.
    void addTemplateActions(const QList<QAction*>& actions);
    // Puts the model's file actions (Сохранить модель…) into Файл as a group of their own, just
    // above Выход.
    void addModelActions(const QList<QAction*>& actions);
    // Appends a group of actions to Винт, after a separator when it already holds some.
    void addPropellerActions(const QList<QAction*>& actions);

    // Puts the language submenu into Справка, below a line after О программе.
    void addLanguageMenu(QMenu* menu);

    // Lists the recent designs under Недавние, numbered, most recent first; an empty list
    // leaves the submenu disabled.
    void setRecentFiles(const QStringList& paths);

signals:
    void recentFileChosen(const QString& path);

private:
    // Inserts a group of actions, with a separator above it, before `before`; returns that
    // separator.
    QAction* insertFileGroup(const QList<QAction*>& actions, QAction* before);

    QMenu* fileMenu_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The separator above Выход: template actions go in before it.
    QAction* exitSeparator_ = nullptr;
    // The separator above the model's group, once there is one: template actions go above it.
    QAction* modelSeparator_ = nullptr;
    QAction* exit_ = nullptr;
    QMenu* propellerMenu_ = nullptr;
    QAction* help_ = nullptr;
    QAction* about_ = nullptr;
    QMenu* helpMenu_ = nullptr;
};

}  // namespace kelvarin
