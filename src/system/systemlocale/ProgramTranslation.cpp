// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemlocale/ProgramTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kelvarin {

ProgramTranslation::ProgramTranslation(ProgramLanguage language) : language_(language) {
    if (language == ProgramLanguage::English) {
        // Built into the program from translations/, so it cannot go missing.
        (void)program_.load(QStringLiteral(":/kelvarin/translations/kelvarin_en.qm"));
    }
    setTextCatalogue(this);
}

ProgramTranslation::~ProgramTranslation() {
    setTextCatalogue(nullptr);
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(&program_);
        QCoreApplication::removeTranslator(&qt_);
    }
}

void ProgramTranslation::installIntoApplication() {
    // Qt's own texts (qt6-translations-l10n) serve only an application's dialogs, so the
    // command-line tool never loads them; without the package they stay English.
    (void)qt_.load(
        QLocale(language_ == ProgramLanguage::English ? QLocale::English : QLocale::Russian),
        QStringLiteral("qtbase"), QStringLiteral("_"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!program_.isEmpty()) {
        QCoreApplication::installTranslator(&program_);
    }
    if (!qt_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
    }
    installed_ = true;
}

std::string ProgramTranslation::find(const char* context, const char* sourceText,
                                     const char* disambiguation, int n) const {
    if (program_.isEmpty()) {
        return {};
    }
    return program_.translate(context, sourceText, disambiguation, n).toStdString();
}

}  // namespace kelvarin
