// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemlocale/ProgramLanguage.h"

#include <QSettings>
#include <QStringList>

namespace kelvarin {

namespace {

const QString kLanguageKey = QStringLiteral("language");

}  // namespace

ProgramLanguage languageForLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Russian:
        case QLocale::Ukrainian:
        case QLocale::Belarusian:
        case QLocale::Kazakh:
            return ProgramLanguage::Russian;
        default:
            return ProgramLanguage::English;
    }
}

std::optional<ProgramLanguage> chosenLanguage(const QSettings& settings) {
    const QString code = settings.value(kLanguageKey).toString();
    if (code == QLatin1String("ru")) {
        return ProgramLanguage::Russian;
    }
    if (code == QLatin1String("en")) {
        return ProgramLanguage::English;
    }
    return std::nullopt;
}

void storeChosenLanguage(QSettings& settings, std::optional<ProgramLanguage> language) {
    if (!language) {
        settings.remove(kLanguageKey);
    } else {
        settings.setValue(kLanguageKey, *language == ProgramLanguage::Russian
                                            ? QStringLiteral("ru")
                                            : QStringLiteral("en"));
    }
    settings.sync();
}

ProgramLanguage programLanguage(const QSettings& settings, const QLocale& locale) {
    return chosenLanguage(settings).value_or(languageForLocale(locale));
}

QLocale messagesLocale() {
    // The languages the user reads, as Qt gathers them (LANGUAGE, then LC_ALL, LC_MESSAGES,
    // LANG); the first is the one messages are wanted in.
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.constFirst());
}

ProgramLanguage userProgramLanguage() {
    const QSettings settings(QStringLiteral("Kelvarin"), QStringLiteral("Kelvarin"));
    return programLanguage(settings, messagesLocale());
}

}  // namespace kelvarin
