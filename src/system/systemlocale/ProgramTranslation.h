// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>

#include "core/Translation.h"
#include "systemlocale/ProgramLanguage.h"

namespace kelvarin {

// The program's texts and Qt's own (dialogs, standard buttons) in one language, for as long as
// this object lives: it answers the plain folders' lookups and, once installed, every tr() of
// the application. Russian needs no catalogue of the program's, its texts being the sources.
class ProgramTranslation final : public TextCatalogue {
public:
    explicit ProgramTranslation(ProgramLanguage language);
    ~ProgramTranslation() override;
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    ProgramLanguage language() const { return language_; }

    // Puts both catalogues into the running application's, for the texts of widgets and Qt's
    // dialogs; they leave it with this object.
    void installIntoApplication();

    std::string find(const char* context, const char* sourceText, const char* disambiguation,
                     int n) const override;

private:
    ProgramLanguage language_;
    QTranslator program_;
    QTranslator qt_;
    bool installed_ = false;
};

}  // namespace kelvarin
