// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class QAction;
class QSettings;
class QWidget;

namespace kelvarin {

class DesignModel;
class MessageBoxes;
class PerformanceView;

// The window "Характеристики винта" for the menu: its action opens it (made at the first
// opening, a window of its own over the main one, by the module that brings Qt Charts), and it
// follows every completed calculation at once while it is open; before the first one it says
// there is nothing to analyse yet. The air the user sets in it is remembered in the settings.
class PerformanceActions : public QObject {
    Q_OBJECT
public:
    // A window that cannot be opened is told of in `messages`.
    PerformanceActions(DesignModel& model, QWidget& window, QSettings& settings,
                       MessageBoxes& messages);
    ~PerformanceActions() override;

    QAction* showAction() const { return show_; }
    // Nothing until first opened.
    QWidget* performanceWindow() const;

    // A completed calculation: the open window shows it at once.
    void followCalculation();
    // A new document: the open window takes its engine's power curve.
    void followDocument();
    // Opens the window, or brings it to the front, showing the last calculated propeller. Throws
    // Failure where its module cannot be loaded.
    void showWindow();

private:
    void makeWindow();
    void showPropeller();
    void rememberAir();

    DesignModel& model_;
    QWidget& window_;
    QSettings& settings_;
    MessageBoxes& messages_;
    QAction* show_ = nullptr;
    std::unique_ptr<PerformanceView> performanceView_;
};

}  // namespace kelvarin
