// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QSettings;

namespace kelvarin {

enum class ProgramLanguage { Russian, English };

// Russian where a Russian reader is likely (Russian, Ukrainian, Belarusian and Kazakh locales,
// where Russian is widely read), English everywhere else.
ProgramLanguage languageForLocale(const QLocale& locale);

// The language the user chose in the menu, kept in the settings; none where the program follows
// the locale. An unknown stored value counts as none.
std::optional<ProgramLanguage> chosenLanguage(const QSettings& settings);
void storeChosenLanguage(QSettings& settings, std::optional<ProgramLanguage> language);

// The choice where there is one, else the locale's language.
ProgramLanguage programLanguage(const QSettings& settings, const QLocale& locale);

// The locale the user wants messages in, as the environment says it (LANGUAGE first).
QLocale messagesLocale();

// The language both programs start in: the one chosen in the window's menu (kept in the user's
// Kelvarin settings), else the messages locale's.
ProgramLanguage userProgramLanguage();

}  // namespace kelvarin
