// SPDX-License-Identifier: GPL-3.0-or-later
// The plain libraries in English: their texts come from the program's catalogue, and where they
// are drawn the layout measures the English words, not the Russian ones.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/CheckedArithmetic.h"
#include "core/InputFields.h"
#include "model3d/ModelError.h"
#include "modelmodule/ModelModuleLoader.h"
#include "outputmodule/OutputModuleLoader.h"
#include "support/DefaultDesign.h"
#include "support/ScopedSeparator.h"
#include "systemlocale/ProgramTranslation.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {
namespace {

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

TEST(LibraryTexts, TemplatesAreCaptionedInEnglishAndTheCaptionsStayOnThePage) {
    const ProgramTranslation english(ProgramLanguage::English);
    const PropellerDesign design = testing::DesignOf("151,7", "0,52");
    // A small page, so that the captions have the least room.
    const PrinterGeometry a5{300, 1600, 2300};
    const TemplateDocument doc = layOutTemplates(design, a5, {}, "01.02.2027");
    std::vector<std::string> texts;
    for (const TemplatePage& page : doc.pages) {
        for (const TemplateItem& item : page.items) {
            if (const auto* text = std::get_if<TextShape>(&item.shape)) {
                texts.push_back(text->text);
                const PixelRect box = itemBounds(item);
                EXPECT_TRUE(box.left >= 0 && box.right <= doc.page.pageWidthPx)
                    << "“" << text->text << "” runs off the page";
            }
        }
    }
    const auto has = [&](const std::string& start) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& t) { return startsWith(t, start); });
    };
    EXPECT_TRUE(has("Blade section at 0")) << texts.front();
    EXPECT_TRUE(has("Blade planform, stations 2–11, "));
    EXPECT_TRUE(has("Blade side view, stations 3–11, "));
    EXPECT_TRUE(has("Propeller: diameter 151"));
    EXPECT_TRUE(has("100 mm"));
    EXPECT_FALSE(has("Профиль")) << "a Russian caption is left";
}

TEST(LibraryTexts, MessagesOfTheCalculationAreInEnglish) {
    const ProgramTranslation english(ProgramLanguage::English);
    EXPECT_EQ(emptyFieldMessage(InputField::Pitch), "Enter a propeller pitch greater than zero");
    try {
        checked::divide(1, 0);
        FAIL() << "no fault";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
}

// The module keeps its own copy of the translation library: it is told the program's language
// at each call, and goes back to Russian with the program.
TEST(LibraryTexts, TheModelModuleSpeaksTheProgramsLanguage) {
    useModelModuleFile(KELVARIN_MODEL_MODULE);
    const PropellerDesign tooSmall = testing::DesignOf("5", "0,52");
    const auto refusal = [&] {
        try {
            checkDesignModel(tooSmall);
        } catch (const ModelError& e) {
            return std::string(e.what());
        }
        return std::string("no refusal");
    };
    {
        const ProgramTranslation english(ProgramLanguage::English);
        EXPECT_TRUE(startsWith(refusal(), "Propeller model not built: the propeller diameter 5"))
            << refusal();
    }
    EXPECT_TRUE(startsWith(refusal(), "Модель винта не построена: диаметр винта 5")) << refusal();
}

// The output module keeps its own copies of the plain libraries too: they follow the program's
// language and decimal separator wherever these change.
TEST(LibraryTexts, TheOutputModuleFollowsTheProgramsLanguageAndSeparator) {
    useOutputModuleFile(KELVARIN_OUTPUT_MODULE);
    const PropellerDesign design = testing::DesignOf("151,7", "0,52");
    const std::filesystem::path dxf = std::filesystem::temp_directory_path() /
                                      ("kelvarin-" + std::to_string(::getpid()) + ".dxf");
    const auto exported = [&](const std::string& path) {
        std::vector<std::string> leftOut;
        return outputModule().exportTemplates(design, {}, path, leftOut).text;
    };
    const auto captioned = [&](const std::string& caption) {
        EXPECT_EQ(exported(dxf.string()), "");
        std::ifstream file(dxf);
        return std::string(std::istreambuf_iterator<char>(file), {}).find(caption) !=
               std::string::npos;
    };
    {
        const ProgramTranslation english(ProgramLanguage::English);
        EXPECT_TRUE(startsWith(exported("t"), "Templates not saved: the file name"))
            << exported("t");
        const testing::ScopedSeparator point('.');
        EXPECT_TRUE(captioned("Blade section at 0.2 R"));
        const testing::ScopedSeparator comma(',');
        EXPECT_TRUE(captioned("Blade section at 0,2 R"));
    }
    EXPECT_TRUE(startsWith(exported("t"), "Шаблоны не сохранены: у имени файла")) << exported("t");
    std::filesystem::remove(dxf);
}

}  // namespace
}  // namespace kelvarin
