// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QSettings;
class QWidget;

namespace kelvarin {

class DesignModel;
class PerformanceWindow;

// The window "Характеристики винта" for the menu: its action opens it (made at the first
// opening, a window of its own over the main one), and it follows every completed calculation
// at once while it is open; before the first one it says there is nothing to analyse yet. The
// air the user sets in it is remembered in the settings.
class PerformanceActions : public QObject {
    Q_OBJECT
public:
    PerformanceActions(DesignModel& model, QWidget& window, QSettings& settings);

    QAction* showAction() const { return show_; }
    // Nothing until first opened.
    PerformanceWindow* performanceWindow() const { return performanceWindow_; }

    // A completed calculation: the open window shows it at once.
    void followCalculation();
    // A new document: the open window takes its engine's power curve.
    void followDocument();
    // Opens the window, or brings it to the front, showing the last calculated propeller.
    void showWindow();

private:
    void showPropeller();
    void rememberAir();

    DesignModel& model_;
    QWidget& window_;
    QSettings& settings_;
    QAction* show_ = nullptr;
    PerformanceWindow* performanceWindow_ = nullptr;
};

}  // namespace kelvarin
