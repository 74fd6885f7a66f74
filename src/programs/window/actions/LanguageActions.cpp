// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/LanguageActions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include "services/MessageBoxes.h"

namespace kelvarin {

ProgramLanguage runningLanguage() {
    // The text's translation is the translation's own language code.
    return QCoreApplication::translate("kelvarin::LanguageActions", "ru",
                                       "code of the language the program speaks") ==
                   QLatin1String("ru")
               ? ProgramLanguage::Russian
               : ProgramLanguage::English;
}

LanguageActions::LanguageActions(QWidget& window, MessageBoxes& messages, QSettings& settings)
    : QObject(&window),
      window_(window),
      messages_(messages),
      settings_(settings),
      running_(runningLanguage()) {
    // Written in both languages, and not translated, so that it can be found in either.
    menu_ = new QMenu(QStringLiteral("&Язык / Language"), &window);
    menu_->setObjectName(QStringLiteral("MenuLanguage"));
    auto* group = new QActionGroup(this);
    const std::optional<ProgramLanguage> chosen = chosenLanguage(settings);
    const auto add = [&](const char* name, const QString& text,
                         std::optional<ProgramLanguage> language) {
        QAction* action = menu_->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(chosen == language);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { choose(language); });
    };
    add("ActionLanguageSystem", QStringLiteral("Как в системе / System language"), std::nullopt);
    add("ActionLanguageRussian", QStringLiteral("Русский"), ProgramLanguage::Russian);
    add("ActionLanguageEnglish", QStringLiteral("English"), ProgramLanguage::English);
}

void LanguageActions::choose(std::optional<ProgramLanguage> language) {
    storeChosenLanguage(settings_, language);
    if (programLanguage(settings_, messagesLocale()) != running_) {
        messages_.inform(&window_, QStringLiteral("Язык программы сменится при следующем запуске.\n"
                                                  "The language will change the next time Kelvarin "
                                                  "starts."));
    }
}

}  // namespace kelvarin
