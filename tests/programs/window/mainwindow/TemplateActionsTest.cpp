// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/TemplateActions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "UiDoubles.h"
#include "actions/ModelActions.h"
#include "designmodel/DesignModel.h"
#include "support/DefaultDesign.h"
#include "support/PdfStrokes.h"
#include "systemlocale/ProgramTranslation.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin::testing {
namespace {

TEST(TemplateActions, TheSectionViewOffersThemInItsContextMenu) {
    WindowRig rig;
    const QList<QAction*> actions = rig.window->templateActions().actions();
    auto* view = rig.Find<ZoomableImageView>("VzImageBox1");
    EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
    // Then, after a line, the model's own action, the one of Файл.
    const QList<QAction*> shown = view->actions();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_EQ(shown.mid(0, 4), actions);
    EXPECT_TRUE(shown[4]->isSeparator());
    EXPECT_EQ(shown[5], rig.window->modelActions().saveAction());
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Сохранить шаблоны…");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(actions[1]->text(), "Печать…");
    EXPECT_EQ(actions[1]->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(actions[2]->text(), "Предварительный просмотр…");
    EXPECT_EQ(actions[3]->text(), "Толщина линий шаблонов…");
}

// The dialog reports the chosen filter in the language it shows: in English "PDF, A3 paper"
// once gave an A4 PDF.
TEST(TemplateActions, EachFilterGivesItsPaperInEitherLanguage) {
    for (const ProgramLanguage language : {ProgramLanguage::Russian, ProgramLanguage::English}) {
        ProgramTranslation translation(language);
        translation.installIntoApplication();
        const QStringList filters = templateNameFilters();
        ASSERT_EQ(filters.size(), 5);
        EXPECT_EQ(paperOfNameFilter(filters[0]), PaperSize::A4);
        EXPECT_EQ(paperOfNameFilter(filters[1]), PaperSize::Letter);
        EXPECT_EQ(paperOfNameFilter(filters[2]), PaperSize::A3);
        EXPECT_EQ(paperOfNameFilter(filters[3]), PaperSize::A4);
        if (language == ProgramLanguage::English) {
            EXPECT_EQ(printedTemplatesText({1, {}}, "X", false), "1 sheet sent to printer X");
            EXPECT_EQ(printedTemplatesText({21, {}}, "X", false), "21 sheets sent to printer X");
        }
    }
    EXPECT_EQ(templateNameFilters()[2], "PDF, бумага A3 (*.pdf)");
    // What a print job says agrees with its number in Russian too.
    for (const auto& [sheets, text] : {std::pair{1, "1 лист отправлен на принтер X"},
                                       {3, "3 листа отправлено на принтер X"},
                                       {8, "8 листов отправлено на принтер X"},
                                       {12, "12 листов отправлено на принтер X"},
                                       {21, "21 лист отправлен на принтер X"}}) {
        EXPECT_EQ(printedTemplatesText({sheets, {}}, "X", false), text);
    }
}

class SavingTemplates : public ::testing::Test {
protected:
    SavingTemplates() {
        UseBuiltModules();
        actions.setFileChooser([this](QWidget*, const QString& folder, PaperSize paper) {
            offeredFolders << folder;
            offeredPaper = paper;
            return answer;
        });
    }

    ScopedSeparator comma{','};
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    DesignModel model;
    RecordingMessages messages;
    TemplateActions actions{model, messages, nullptr, &settings};
    std::optional<TemplateFileChoice> answer;
    QStringList offeredFolders;
    PaperSize offeredPaper = PaperSize::A4;
};

TEST_F(SavingTemplates, TheFileIsWrittenAndItsFolderAndPaperRemembered) {
    model.calculate();
    answer = TemplateFileChoice{dir.filePath("templates.pdf"), PaperSize::Letter};
    actions.saveAction()->trigger();
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    EXPECT_TRUE(QFile(dir.filePath("templates.pdf")).size() > 1000);

    answer.reset();  // cancelled: nothing more happens
    actions.saveAction()->trigger();
    ASSERT_EQ(offeredFolders.size(), 2);
    EXPECT_EQ(offeredFolders[1], dir.path());
    EXPECT_EQ(offeredPaper, PaperSize::Letter);
    EXPECT_TRUE(messages.errors.isEmpty());
}

// The width chosen is kept in the settings and drawn in the PDF: 0.4 mm, 19 pixels at 1200 dpi.
TEST_F(SavingTemplates, TheLineWidthChosenIsKeptAndUsed) {
    model.calculate();
    actions.setLineWidthChooser([](QWidget*, double current) {
        EXPECT_EQ(current, 0.25);
        return std::optional<double>(0.4);
    });
    actions.lineWidthAction()->trigger();
    EXPECT_EQ(templateLineWidthMm(settings), 0.4);
    answer = TemplateFileChoice{dir.filePath("templates.pdf"), PaperSize::A4};
    actions.saveAction()->trigger();
    const auto strokes = pdfStrokes(dir.filePath("templates.pdf"), 2);
    ASSERT_FALSE(strokes.empty());
    EXPECT_NEAR(strokes.front().widthMm, 19 * 25.4 / 1200, 0.005);
}

TEST_F(SavingTemplates, RefusalsAreSaidOnceAndWriteNothing) {
    // Before a calculation the dialog does not even open.
    actions.saveAction()->trigger();
    EXPECT_EQ(messages.errors,
              QStringList{"Шаблоны не сохранены: расчёт ещё не выполнен, нажмите «Расчет»."});
    EXPECT_TRUE(offeredFolders.isEmpty());

    model.calculate();
    answer = TemplateFileChoice{dir.filePath("templates"), PaperSize::A4};
    actions.saveAction()->trigger();
    ASSERT_EQ(messages.errors.size(), 2);
    EXPECT_TRUE(messages.errors[1].contains("нет расширения"));
    EXPECT_FALSE(QFile::exists(dir.filePath("templates")));
}

}  // namespace
}  // namespace kelvarin::testing
