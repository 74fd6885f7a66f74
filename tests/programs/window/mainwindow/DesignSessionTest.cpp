// SPDX-License-Identifier: GPL-3.0-or-later
// Designs in the window: the menu, saving and opening, the question about unsaved changes, a
// dropped file, the command line's file, and the sanity line under the view.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "UiDoubles.h"
#include "actions/TemplateActions.h"
#include "controls/SanityStatus.h"
#include "designmodel/DesignModel.h"
#include "designmodel/DesignSession.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/DesignDrop.h"
#include "mainwindow/MainMenu.h"

namespace kelvarin::testing {
namespace {

const QString kCaption = QStringLiteral("Расчет параметров воздушного винта");

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Calculate(WindowRig& rig) {
    QTest::mouseClick(rig.Find<QPushButton>("ButRash"), Qt::LeftButton);
}

TEST(UiDesignSession, SavedClosedAndOpenedAgainGivesTheSameFieldsAndReport) {
    QTemporaryDir kept;
    const QString path = kept.filePath("винт.kelvarin");
    DesignDocument saved;
    QByteArray report;
    {
        WindowRig rig;
        rig.window->setFieldText(InputField::Power, "20");
        rig.Find<QCheckBox>("CheckDiam")->setChecked(true);
        rig.Find<QCheckBox>("CheckUgol")->setChecked(true);
        Calculate(rig);
        saved = rig.window->designModel().document();
        report = ReadFile(rig.workDir.filePath("Date.html"));
        EXPECT_EQ(rig.window->windowTitle(), "Без имени* — " + kCaption);

        rig.dialogs.savePath = path;
        rig.window->mainMenu().saveAction()->trigger();
        EXPECT_EQ(rig.window->windowTitle(), "винт.kelvarin — " + kCaption);
        EXPECT_EQ(rig.window->mainMenu().recentMenu()->actions().size(), 1);
        EXPECT_TRUE(rig.window->close());  // saved: no question
        EXPECT_TRUE(rig.messages.questions.isEmpty());
    }
    WindowRig rig;
    rig.dialogs.openPath = path;
    rig.window->mainMenu().openAction()->trigger();
    EXPECT_EQ(rig.window->designModel().document(), saved);
    EXPECT_EQ(ReadFile(rig.workDir.filePath("Date.html")), report);
    EXPECT_EQ(rig.window->windowTitle(), "винт.kelvarin — " + kCaption);
    EXPECT_TRUE(rig.messages.errors.isEmpty());
}

TEST(UiDesignSession, UnsavedChangesAreAskedAboutBeforeTheyAreLost) {
    WindowRig rig;
    rig.window->setFieldText(InputField::Power, "15");
    ASSERT_TRUE(rig.window->session().isModified());

    rig.messages.answer = SaveChoice::Cancel;
    EXPECT_FALSE(rig.window->close());
    EXPECT_EQ(rig.messages.questions,
              QStringList({"Расчет не сохранен. Сохранить его в файл проекта?"}));
    rig.messages.answer = SaveChoice::Save;  // but the save dialog is cancelled
    EXPECT_FALSE(rig.window->close());
    EXPECT_TRUE(rig.window->isVisible());

    // A bad file is refused before any question, and changes nothing.
    QFile bad(rig.workDir.filePath("bad.kelvarin"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"kelvarin-design\"");
    bad.close();
    EXPECT_FALSE(rig.window->session().openFile(bad.fileName()));
    ASSERT_EQ(rig.messages.errors.size(), 1);
    EXPECT_TRUE(rig.messages.errors[0].contains("«" + bad.fileName() + "»: файл оборван"));
    EXPECT_EQ(rig.messages.questions.size(), 2);
    EXPECT_EQ(rig.window->fieldText(InputField::Power), "15");

    rig.dialogs.savePath = rig.workDir.filePath("a.kelvarin");
    EXPECT_TRUE(rig.window->close());  // saved, then closed
    EXPECT_TRUE(QFile::exists(rig.dialogs.savePath));
    rig.window->show();
    rig.window->setFieldText(InputField::Power, "16");
    rig.messages.answer = SaveChoice::Discard;
    EXPECT_TRUE(rig.window->close());
    EXPECT_EQ(rig.messages.questions.last(), "Проект «a.kelvarin» изменен. Сохранить изменения?");
}

TEST(UiDesignSession, MenuOrderShortcutsAndThePlaceOfTheTemplateActions) {
    WindowRig rig;
    MainMenu& menu = rig.window->mainMenu();
    const auto items = [](const QMenu* m) {
        QStringList texts;
        for (QAction* action : m->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("—") : action->text());
        }
        return texts;
    };
    // The window's own template actions, the very ones of the section view's context menu,
    // above the model's group.
    EXPECT_EQ(items(menu.fileMenu()),
              QStringList({"&Открыть…", "&Сохранить", "Сохранить &как…", "—", "&Недавние", "—",
                           "Сохранить шаблоны…", "Печать…", "Предварительный просмотр…",
                           "Толщина линий шаблонов…", "—", "Сохранить &модель…", "—", "В&ыход"}));
    EXPECT_TRUE(menu.fileMenu()->actions().contains(rig.window->templateActions().saveAction()));
    EXPECT_EQ(items(menu.propellerMenu()),
              QStringList({"&Характеристики винта", "—", "&3D-модель…", "&Левый винт", "&Ступица…",
                           "—", "&Углы лопасти", "—", "Таблица сечений"}));
    QStringList bar;
    for (QAction* action : rig.window->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, QStringList({"&Файл", "&Винт", "&Справка"}));
    EXPECT_EQ(menu.openAction()->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(menu.saveAsAction()->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(menu.exitAction()->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(menu.helpAction()->shortcut(), QKeySequence("F1"));
}

TEST(UiDesignSession, ADroppedDesignOrOneOnTheCommandLineOpens) {
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile("/p/a.KELVARIN")});
    EXPECT_EQ(draggedDesignPath(&one), "/p/a.KELVARIN");
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile("/p/a.kelvarin"), QUrl::fromLocalFile("/p/b.kelvarin")});
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.kelvarin")});
    QMimeData picture;
    picture.setUrls({QUrl::fromLocalFile("/p/a.png")});
    for (const QMimeData* refused : {&two, &remote, &picture}) {
        EXPECT_EQ(draggedDesignPath(refused), "");
    }

    WindowRig rig;
    DesignDocument design;
    design.fieldTexts[fieldIndex(InputField::Power)] = "33";
    rig.window->designModel().setDocument(design);
    rig.window->calculate();
    rig.dialogs.savePath = rig.workDir.filePath("d.kelvarin");
    rig.window->session().saveAs();
    rig.window->designModel().setDocument(DesignDocument{});
    rig.window->calculate();
    rig.messages.answer = SaveChoice::Discard;

    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(rig.dialogs.savePath)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &dragged, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(rig.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.window.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    QTest::qWait(1);  // the design opens once the drop is over
    EXPECT_EQ(rig.window->fieldText(InputField::Power), "33");

    const CommandLineRequest request =
        readCommandLine({"kelvarin", "-platform", "offscreen", "d.kelvarin"}, false);
    EXPECT_EQ(request.action, CommandLineRequest::Action::Run);
    EXPECT_EQ(readCommandLine({"kelvarin", "d.kelvarin"}, true).designFile, "d.kelvarin");
    EXPECT_EQ(readCommandLine({"kelvarin", "a", "b"}, true).action,
              CommandLineRequest::Action::Refuse);
}

TEST(UiDesignSession, TheSanityLineFollowsEachCompletedCalculation) {
    WindowRig rig;
    SanityStatus& line = rig.window->sanityStatus();
    EXPECT_EQ(line.text(), "");
    Calculate(rig);
    EXPECT_EQ(line.text(),
              "Скорость конца лопасти 183 м/с (число Маха 0,54), относительная "
              "поступь V/(nD) 0,19");
    EXPECT_FALSE(line.isWarning());
    rig.window->setFieldText(InputField::PropellerSpeed, "3500");
    rig.window->setFieldText(InputField::Power, "60");
    Calculate(rig);
    EXPECT_TRUE(line.isWarning()) << line.text().toStdString();
    EXPECT_TRUE(line.toolTip().contains("КПД"));
}

}  // namespace
}  // namespace kelvarin::testing
