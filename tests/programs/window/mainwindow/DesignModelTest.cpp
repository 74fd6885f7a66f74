// SPDX-License-Identifier: GPL-3.0-or-later
// The one design: an edit made in the model reaches the controls, and a calculation every view
// that follows it, each seeing the same numbers.
#include "designmodel/DesignModel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "UiDoubles.h"
#include "actions/PerformanceActions.h"
#include "controls/NumericEdit.h"
#include "controls/SanityStatus.h"
#include "core/SanityLine.h"
#include "report/DataReport.h"
#include "support/ScopedSeparator.h"
#include "templates/TemplatePrint.h"

namespace kelvarin::testing {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(UiDesignModel, AnEditInTheModelReachesTheFieldsAndEveryViewSeesTheSameNumbers) {
    ScopedSeparator comma{','};
    WindowRig rig;
    DesignModel& model = rig.window->designModel();
    rig.window->performanceActions().showAction()->trigger();

    model.setFieldText(InputField::Power, "20");
    EXPECT_EQ(rig.window->fieldEdit(InputField::Power)->text(), "20");
    EXPECT_TRUE(rig.window->windowTitle().contains('*'));
    model.calculate();
    ASSERT_TRUE(model.isCalculated());

    // The same calculation made apart from the window.
    const CalculationOutcome alone = runCalculation(model.document().fieldTexts, model.mode());
    EXPECT_EQ(model.calculatedDesign().stations.bladeAngleDeg, alone.design.stations.bladeAngleDeg);
    EXPECT_EQ(model.engine(), alone.engine);

    EXPECT_EQ(rig.window->sanityStatus().text().toStdString(),
              sanityLineText(sanityFigures(alone.design, alone.engine)));
    QTemporaryDir dir;
    writeReport(alone.design, InputMode::Calculated, dir.filePath("Date.html").toStdString());
    EXPECT_EQ(Contents(rig.workDir.filePath("Date.html")), Contents(dir.filePath("Date.html")));
    const QString figures = rig.window->performanceActions()
                                .performanceWindow()
                                ->findChild<QLabel*>("LabFigures")
                                ->text();
    EXPECT_TRUE(figures.contains("мощности двигателя 20.0 л.с.")) << figures.toStdString();

    // The print job draws the model's design: as many pages as the same design alone.
    FakePrinter printer;
    printTemplates(alone.design, printer, model.viewOptions(), "1.1.2026");
    rig.window->print();
    EXPECT_EQ(rig.printer.pages, printer.pages);
    EXPECT_GT(printer.pages, 0);
}

}  // namespace
}  // namespace kelvarin::testing
