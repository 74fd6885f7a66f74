// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>

#include "systemlocale/ProgramLanguage.h"

class QAction;
class QActionGroup;
class QMenu;
class QSettings;
class QWidget;

namespace kelvarin {

class MessageBoxes;

// The language this run speaks, as the installed catalogue tells it (the settings may say
// otherwise once the user has chosen another for the next start).
ProgramLanguage runningLanguage();

// The menu "Язык / Language": the language of the system, Russian or English. The choice is
// kept in the settings and takes effect at the next start, which a note says in both languages,
// since a reader who chose a language may not read the one the window speaks.
class LanguageActions : public QObject {
    Q_OBJECT
public:
    LanguageActions(QWidget& window, MessageBoxes& messages, QSettings& settings);

    // The submenu, owned by the window.
    QMenu* menu() const { return menu_; }

private:
    void choose(std::optional<ProgramLanguage> language);

    QWidget& window_;
    MessageBoxes& messages_;
    QSettings& settings_;
    QMenu* menu_ = nullptr;
    // The language this run speaks, which the settings may no longer say.
    ProgramLanguage running_;
};

}  // namespace kelvarin
