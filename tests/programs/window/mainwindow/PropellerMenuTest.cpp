// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's propeller actions: the performance window follows the calculations, and the
// model is built from the last one, refused before it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "UiDoubles.h"
#include "actions/ModelActions.h"
#include "actions/PerformanceActions.h"
#include "controls/StationTableView.h"
#include "designmodel/DesignModel.h"
#include "modelmodule/ModelModuleLoader.h"
#include "support/DefaultDesign.h"

namespace kelvarin::testing {
namespace {

void Calculate(const WindowRig& rig) {
    QTest::mouseClick(rig.Find<QPushButton>("ButRash"), Qt::LeftButton);
}

QByteArray Head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

TEST(UiPropellerMenu, ThePerformanceWindowFollowsEveryCompletedCalculation) {
    WindowRig rig;
    PerformanceActions& actions = rig.window->performanceActions();
    actions.showAction()->trigger();
    QWidget* window = actions.performanceWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const auto figures = [window] { return window->findChild<QLabel*>("LabFigures")->text(); };
    EXPECT_TRUE(figures().startsWith("Винт еще не рассчитан")) << figures().toStdString();

    Calculate(rig);
    const QString start = figures();
    EXPECT_TRUE(start.contains("номинальных 2300 об/мин")) << start.toStdString();
    rig.window->setFieldText(InputField::Power, "20");
    Calculate(rig);
    EXPECT_NE(figures(), start);
    EXPECT_TRUE(figures().contains("мощности двигателя 20")) << figures().toStdString();

    // A run that stops on a field that is not a number leaves the last propeller shown.
    const QString last = figures();
    rig.window->setFieldText(InputField::Power, "1.5");  // a point under a comma locale
    Calculate(rig);
    EXPECT_EQ(figures(), last);

    // The manual mode sizes nothing: the engine comes from its greyed fields.
    rig.window->setFieldText(InputField::Power, "20");
    rig.Find<QCheckBox>("CheckManual")->setChecked(true);
    Calculate(rig);
    EXPECT_TRUE(figures().contains("мощности двигателя 20")) << figures().toStdString();

    // The air set in the window is kept for the next start.
    window->findChild<QSpinBox*>("EditAltitude")->setValue(1500);
    EXPECT_EQ(rig.settings.value("performance/altitudeM").toInt(), 1500);
}

TEST(UiPropellerMenu, TheModelIsRefusedBeforeACalculationAndSavedWhereTheUserChose) {
    useModelModuleFile(KELVARIN_MODEL_MODULE);
    WindowRig rig;
    ModelActions& model = rig.window->modelActions();
    model.saveAction()->trigger();
    model.previewAction()->trigger();
    EXPECT_EQ(rig.messages.informed,
              QStringList(2, "Модели еще нет: сначала рассчитайте винт кнопкой «Расчет»."));
    EXPECT_EQ(rig.dialogs.asked, 0);

    Calculate(rig);
    const QString stl = rig.workDir.filePath("винт.stl");
    rig.dialogs.modelPath = stl;
    model.saveAction()->trigger();
    EXPECT_TRUE(rig.messages.errors.isEmpty()) << rig.messages.errors.join("\n").toStdString();
    EXPECT_GT(QFile(stl).size(), 84 + 50 * 1000);  // a binary STL of many triangles

    // The folder and the format are proposed again; the hand names the dialog and the file.
    model.leftHandAction()->setChecked(true);
    rig.dialogs.modelPath = rig.workDir.filePath("левый.step");
    model.saveAction()->trigger();
    EXPECT_EQ(rig.dialogs.lastSuggested, rig.workDir.filePath("винт-левый.stl"));
    EXPECT_EQ(rig.dialogs.lastTitle, "Сохранить модель левого винта");
    EXPECT_EQ(Head(rig.dialogs.modelPath, 13), "ISO-10303-21;");
    EXPECT_EQ(rig.settings.value("model/leftHand").toBool(), true);

    // A failed write names the file; a design without a solid is refused before the dialog.
    rig.dialogs.modelPath = rig.workDir.filePath("нет/винт.stl");
    model.saveAction()->trigger();
    ASSERT_EQ(rig.messages.errors.size(), 1);
    EXPECT_TRUE(rig.messages.errors[0].contains("нет/винт.stl»: папка не найдена"))
        << rig.messages.errors[0].toStdString();
    rig.Find<QCheckBox>("CheckManual")->setChecked(true);
    rig.window->setFieldText(InputField::Diameter, "100");
    rig.window->setFieldText(InputField::Pitch, "2");
    Calculate(rig);
    const int asked = rig.dialogs.asked;
    model.saveAction()->trigger();
    EXPECT_EQ(rig.dialogs.asked, asked);
    ASSERT_EQ(rig.messages.errors.size(), 2);
    EXPECT_TRUE(rig.messages.errors[1].contains("угол лопасти в сечении 3"))
        << rig.messages.errors[1].toStdString();
}

// The preview, its info for each wood and the export of one design share one solid; another
// hand, hub or design is another solid.
TEST(UiPropellerMenu, TheModuleKeepsOneSolidForTheSameDesignHandAndHub) {
    useModelModuleFile(KELVARIN_MODEL_MODULE);
    const PropellerDesign design = DefaultDesign();
    const ModelOptions options;
    const DesignSolid solid = buildDesignSolid(design, Handedness::Right, options);
    ModelOptions birch = options;
    birch.wood = "birch";
    EXPECT_TRUE(solid.isOf(design, Handedness::Right, birch));
    EXPECT_FALSE(solid.isOf(design, Handedness::Left, options));
    ModelOptions thinner = options;
    thinner.hub.filletMm = 2;
    EXPECT_FALSE(solid.isOf(design, Handedness::Right, thinner));
    EXPECT_FALSE(solid.isOf(DesignOf("150", "0,52"), Handedness::Right, options));

    const ModelInfo pine = describeDesignModel(solid, options, {});
    const ModelInfo heavier = describeDesignModel(solid, birch, {});
    EXPECT_EQ(heavier.volumeMm3, pine.volumeMm3);
    EXPECT_NEAR(heavier.massKg / pine.massKg, 694.0 / 515.0, 1e-12);
}

// The blade angle rule in the menu: the blade follows it at once, the status line tells the
// blade's pitch where it differs from the field's, and the design keeps the choice.
TEST(UiPropellerMenu, TheBladeAngleRuleIsChosenInTheMenuAndTheBladeFollows) {
    WindowRig rig;
    Calculate(rig);
    const auto note = [&rig] { return rig.Find<QLabel>("BladePitchNote")->text(); };
    const auto pitchColumn = [&rig] { return rig.window->stationTable().item(8, 7)->text(); };
    EXPECT_TRUE(note().contains("1,04")) << note().toStdString();
    EXPECT_EQ(pitchColumn(), "1,04");

    rig.Find<QAction>("ActionBladeAngles_pitch")->trigger();
    EXPECT_EQ(rig.window->designModel().document().bladeAngleRule, BladeAngleRule::Pitch);
    EXPECT_EQ(pitchColumn(), "0,52");
    EXPECT_EQ(note(), "");

    rig.Find<QAction>("ActionBladeAngles_engine")->trigger();
    EXPECT_TRUE(rig.messages.informed.isEmpty()) << rig.messages.informed.join("; ").toStdString();
    EXPECT_TRUE(note().contains("двигател")) << note().toStdString();
    EXPECT_TRUE(rig.window->windowTitle().contains('*'));
}

}  // namespace
}  // namespace kelvarin::testing
