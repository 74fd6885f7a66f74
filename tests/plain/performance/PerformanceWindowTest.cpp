// SPDX-License-Identifier: GPL-3.0-or-later
#include "performancewindow/PerformanceWindow.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include "systemlocale/ProgramTranslation.h"

namespace kelvarin {
namespace {

struct Window {
    PerformanceWindow window;
    QLabel* figures() { return window.findChild<QLabel*>("LabFigures"); }
    QChart* chart(const char* name) { return window.findChild<QChartView*>(name)->chart(); }
};

const PropellerGeometry kPropeller{1.5, 2, {{0.2, 0.19, 50, 0.2}, {1.0, 0.09, 14, 0.07}}};

TEST(PerformanceWindow, ShowsTheFiguresAndFollowsANewPropellerAtOnce) {
    Window w;
    w.window.showPropeller(kPropeller, {14, 2300, 40, 50});
    EXPECT_TRUE(w.figures()->text().contains("Статическая тяга <b>"));
    EXPECT_TRUE(w.figures()->text().contains("номинальных 2300 об/мин"));
    EXPECT_EQ(w.chart("ChartThrust")->series().size(), 3);  // thrust twice, and efficiency
    EXPECT_EQ(w.chart("ChartPower")->series().size(), 4);   // two curves, engine power, rpm
    const QString first = w.figures()->text();

    PropellerGeometry bigger = kPropeller;
    bigger.diameterM = 1.8;
    w.window.showPropeller(bigger, {14, 2300, 40, 50});
    EXPECT_NE(w.figures()->text(), first);
    EXPECT_EQ(w.chart("ChartThrust")->series().size(), 3);  // redrawn, not piled up

    w.window.showPropeller(kPropeller, {14, -5, 40, 50});
    EXPECT_TRUE(w.figures()->text().startsWith("Расчет характеристик невозможен: Обороты"));
    EXPECT_TRUE(w.chart("ChartPower")->series().isEmpty());
}

// Thinner air at altitude: the same propeller recalculated at once, with less static thrust.
TEST(PerformanceWindow, FollowsTheAirItIsGivenAndSaysWhenThereIsNoPropeller) {
    Window w;
    QSignalSpy changed(&w.window, &PerformanceWindow::airChanged);
    w.window.showPropeller(kPropeller, {14, 2300, 40, 50});
    const auto thrust = [&w] {
        // At the rated rpm, where the thrust scales with the density alone.
        const auto* curve = static_cast<QLineSeries*>(w.chart("ChartThrust")->series().at(1));
        return curve->at(0).y();
    };
    const double seaLevel = thrust();
    w.window.findChild<QSpinBox*>("EditAltitude")->setValue(3000);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_NEAR(thrust() / seaLevel, 0.742, 0.01);  // the density ratio at 3000 m
    EXPECT_EQ(w.window.findChild<QSpinBox*>("EditTemperature")->value(), -5);  // standard

    w.window.setAir(0, 45.0);  // a hot day at sea level, as the settings may bring it back
    EXPECT_EQ(w.window.temperatureC(), 45.0);
    EXPECT_LT(thrust(), seaLevel);
    EXPECT_EQ(changed.count(), 1);

    w.window.showNoPropeller("Винт еще не рассчитан <нет>.");
    EXPECT_EQ(w.figures()->text(), "Винт еще не рассчитан &lt;нет&gt;.");
    EXPECT_TRUE(w.chart("ChartThrust")->series().isEmpty());
    w.window.setAir(1000);  // nothing to recalculate
    EXPECT_TRUE(w.chart("ChartThrust")->series().isEmpty());
}

TEST(PerformanceWindow, APointWithoutSolutionBreaksTheCurve) {
    // Windmilling hard from 74 km/h at 167 rpm (see AnalysisTest): the thrust curve stops there.
    const PropellerGeometry twisted{0.323,
                                    2,
                                    {{0.072, 0.130, 11.14, 0.066},
                                     {0.304, 0.162, 54.31, 0.129},
                                     {0.536, 0.266, 88.57, 0.401},
                                     {0.768, 0.095, 89.40, 0.315},
                                     {1.000, 0.292, 89.19, 0.217}}};
    Window w;
    w.window.showPropeller(twisted, {1, 167, 100, 150});
    EXPECT_TRUE(w.figures()->text().contains("Разрывы"));
    for (QAbstractSeries* s : w.chart("ChartThrust")->series()) {
        for (const QPointF& p : static_cast<QLineSeries*>(s)->points()) {
            EXPECT_LT(p.x(), 74.3);
        }
    }
}

// The headline's rpm follows the engine's power curve; a curve that cannot be used is refused
// under the table and the one in force stays.
TEST(PerformanceWindow, EnginePowerCurveMovesTheBalance) {
    Window w;
    QSignalSpy changed(&w.window, &PerformanceWindow::enginePowerCurveChanged);
    w.window.showPropeller(kPropeller, {14, 2300, 40, 50});
    const QString constantTorque = w.figures()->text();
    auto* table = w.window.findChild<QTableWidget*>("TablePowerCurve");
    w.window.findChild<QCheckBox*>("CheckPowerCurve")->setChecked(true);
    ASSERT_EQ(table->rowCount(), 2);     // started from the rated engine
    table->item(1, 0)->setText("1000");  // below the point before it
    w.window.findChild<QPushButton*>("ButApplyCurve")->click();
    EXPECT_TRUE(w.window.findChild<QLabel*>("LabCurveProblem")->text().contains("точка 2"));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(w.window.enginePowerCurve().empty());

    table->item(0, 0)->setText("500");
    table->item(0, 1)->setText("13.5");
    w.window.findChild<QPushButton*>("ButApplyCurve")->click();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(w.window.enginePowerCurve(), (EnginePowerCurve{{500, 13.5}, {1000, 14}}));
    EXPECT_NE(w.figures()->text(), constantTorque);
}

// In English the window's own texts and the analysis's message, with its number, all change.
TEST(PerformanceWindow, SpeaksEnglishWhenEnglishIsChosen) {
    ProgramTranslation english(ProgramLanguage::English);
    english.installIntoApplication();
    Window w;
    w.window.showPropeller(kPropeller, {14, 2300, 40, 50});
    EXPECT_EQ(w.window.windowTitle(), "Propeller Performance");
    EXPECT_TRUE(w.figures()->text().contains("Static thrust <b>"));
    EXPECT_TRUE(w.figures()->text().contains("rated 2300 rpm"));
    EXPECT_EQ(w.chart("ChartThrust")->axes(Qt::Horizontal).front()->titleText(), "Speed, km/h");

    w.window.showPropeller(kPropeller, {14, 0.5, 40, 50});
    EXPECT_TRUE(w.figures()->text().startsWith(
        "The performance cannot be calculated: Propeller speed must be from"));
    EXPECT_TRUE(w.figures()->text().contains("given: 0.5 rpm."));
}

}  // namespace
}  // namespace kelvarin
