// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "core/Translation.h"
#include "systemlocale/ProgramLanguage.h"
#include "systemlocale/ProgramTranslation.h"

namespace kelvarin {
namespace {

class EchoCatalogue final : public TextCatalogue {
public:
    std::string find(const char* context, const char* sourceText, const char*,
                     int n) const override {
        if (std::string(sourceText) == "нет") {
            return {};
        }
        return std::string(context) + ":" + sourceText + (n >= 0 ? " [%n]" : "");
    }
};

TEST(TranslationTest, LooksUpTheCatalogueAndFallsBackToTheRussianText) {
    EXPECT_EQ(translatedText("C", "Диаметр"), "Диаметр");
    EchoCatalogue catalogue;
    setTextCatalogue(&catalogue);
    EXPECT_EQ(translatedText("C", "Диаметр"), "C:Диаметр");
    EXPECT_EQ(translatedText("C", "%n штук", nullptr, 3), "C:3 штук [3]");
    EXPECT_EQ(translatedText("C", "нет"), "нет");
    setTextCatalogue(nullptr);
    EXPECT_EQ(translatedText("C", "%n листов", nullptr, 9), "9 листов");
}

TEST(TranslationTest, ArgumentsGoWhereTheTranslationPutsThem) {
    EXPECT_EQ(withArguments("%2 of %1", {"a", "b"}), "b of a");
    // An argument's own placeholder stays as it is; a missing argument leaves its placeholder.
    EXPECT_EQ(withArguments("%1 и %2, %3", {"%2", "x"}), "%2 и x, %3");
    EXPECT_EQ(withArguments("100 %", {}), "100 %");
}

TEST(TranslationTest, LanguageFollowsTheLocaleUnlessChosen) {
    for (const char* name : {"ru_RU", "uk_UA", "be_BY", "kk_KZ"}) {
        EXPECT_EQ(languageForLocale(QLocale(QString::fromLatin1(name))), ProgramLanguage::Russian)
            << name;
    }
    for (const char* name : {"en_US", "de_DE", "C"}) {
        EXPECT_EQ(languageForLocale(QLocale(QString::fromLatin1(name))), ProgramLanguage::English)
            << name;
    }
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("k.conf")), QSettings::IniFormat);
    EXPECT_EQ(programLanguage(settings, QLocale(QStringLiteral("de_DE"))),
              ProgramLanguage::English);
    storeChosenLanguage(settings, ProgramLanguage::Russian);
    QSettings reread(dir.filePath(QStringLiteral("k.conf")), QSettings::IniFormat);
    EXPECT_EQ(programLanguage(reread, QLocale(QStringLiteral("de_DE"))), ProgramLanguage::Russian);
    storeChosenLanguage(reread, std::nullopt);
    EXPECT_EQ(chosenLanguage(reread), std::nullopt);
    reread.setValue(QStringLiteral("language"), QStringLiteral("xx"));
    EXPECT_EQ(chosenLanguage(reread), std::nullopt);
}

TEST(TranslationTest, TheEnglishCatalogueIsBuiltIntoTheProgram) {
    {
        ProgramTranslation english(ProgramLanguage::English);
        EXPECT_EQ(translatedText("kelvarin::MainMenu", "&Файл"), "&File");
    }
    EXPECT_EQ(translatedText("kelvarin::MainMenu", "&Файл"), "&Файл");
    ProgramTranslation russian(ProgramLanguage::Russian);
    EXPECT_EQ(translatedText("kelvarin::MainMenu", "&Файл"), "&Файл");
}

}  // namespace
}  // namespace kelvarin
