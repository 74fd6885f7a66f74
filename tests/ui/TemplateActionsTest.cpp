// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TemplateActions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "support/DefaultDesign.h"
#include "ui/DesignModel.h"
#include "ui/ModelActions.h"
#include "ui/UiDoubles.h"
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
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown.mid(0, 3), actions);
    EXPECT_TRUE(shown[3]->isSeparator());
    EXPECT_EQ(shown[4], rig.window->modelActions().saveAction());
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "Сохранить шаблоны…");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(actions[1]->text(), "Печать…");
    EXPECT_EQ(actions[1]->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(actions[2]->text(), "Предварительный просмотр…");
}

class SavingTemplates : public ::testing::Test {
protected:
    SavingTemplates() {
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
