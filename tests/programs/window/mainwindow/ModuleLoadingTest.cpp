// SPDX-License-Identifier: GPL-3.0-or-later
// The window without its modules: each action that needs one says which file is missing and what
// to do, the rest of the window works on, and the module is taken once it is there.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "UiDoubles.h"
#include "actions/PerformanceActions.h"
#include "actions/TemplateActions.h"
#include "core/Failure.h"
#include "drawing/PrinterResolution.h"
#include "outputmodule/SystemPrinter.h"

namespace kelvarin::testing {
namespace {

TEST(UiModules, AMissingModuleIsNamedAndTheWindowWorksOn) {
    WindowRig rig;
    const QString nowhere = rig.workDir.filePath("нет/");
    useViewsModuleFile((nowhere + "kelvarin-views.so").toStdString());
    useOutputModuleFile((nowhere + "kelvarin-output.so").toStdString());
    const QString reinstall = "; переустановите программу.";

    PerformanceActions& performance = rig.window->performanceActions();
    performance.showAction()->trigger();
    ASSERT_EQ(rig.messages.errors.size(), 1);
    EXPECT_EQ(rig.messages.errors[0], "Не найден модуль программы kelvarin-views.so (искали «" +
                                          nowhere + "kelvarin-views.so»)" + reinstall);
    EXPECT_EQ(performance.performanceWindow(), nullptr);

    // The section is drawn as before; the templates' file names what is missing.
    QTest::mouseClick(rig.Find<QPushButton>("ButRash"), Qt::LeftButton);
    EXPECT_EQ(rig.messages.errors.size(), 1);
    TemplateActions& templates = rig.window->templateActions();
    templates.setFileChooser([&](QWidget*, const QString&, PaperSize) {
        return std::optional<TemplateFileChoice>({rig.workDir.filePath("t.pdf"), PaperSize::A4});
    });
    templates.saveAction()->trigger();
    ASSERT_EQ(rig.messages.errors.size(), 2);
    EXPECT_TRUE(rig.messages.errors[1].contains("kelvarin-output.so»)" + reinstall))
        << rig.messages.errors[1].toStdString();
    EXPECT_FALSE(QFile::exists(rig.workDir.filePath("t.pdf")));

    // The program's own printer: the view still draws, at 600 dpi, and a print job says why not.
    SystemPrinter printer;
    EXPECT_EQ(printer.resolutionDpi(), kFallbackResolutionDpi);
    EXPECT_EQ(printer.destinationName(), "");
    try {
        printer.geometry();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("kelvarin-output.so")) << e.what();
    }

    // Put back, the module is loaded at the next use.
    UseBuiltModules();
    performance.showAction()->trigger();
    ASSERT_NE(performance.performanceWindow(), nullptr);
    EXPECT_TRUE(performance.performanceWindow()->isVisible());
    EXPECT_EQ(rig.messages.errors.size(), 2);
}

}  // namespace
}  // namespace kelvarin::testing
