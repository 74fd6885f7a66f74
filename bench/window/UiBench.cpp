// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "actions/ModelActions.h"
#include "actions/PerformanceActions.h"
#include "mainwindow/MainWindow.h"
#include "modelmodule/ModelModuleLoader.h"
#include "performancewindow/PerformanceWindow.h"
#include "programs/window/mainwindow/UiDoubles.h"

namespace {

using namespace kelvarin;

// A click on Calculate with the start texts: sizing, geometry, the report on disk, the
// outlines at 600 dpi, the drawing into the view bitmap and the fit in the image view.
void BM_CalculateToFittedSection(benchmark::State& state, bool manual) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    testing::RecordingMessages messages;
    testing::RecordingShell shell;
    testing::FakePrinter printer;
    testing::ScriptedFileDialogs dialogs;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    MainWindow form({messages, shell, printer, dialogs, settings});
    form.show();
    form.findChild<QCheckBox*>(QStringLiteral("CheckManual"))->setChecked(manual);
    for (auto _ : state) {
        form.calculate();
        benchmark::DoNotOptimize(form.zoomPercent());
    }
    // One more run after a reset label proves that every run reached the section view.
    auto* info = form.findChild<QLabel*>(QStringLiteral("LabInfo"));
    info->clear();
    form.calculate();
    if (!info->text().startsWith(QStringLiteral("Сечение")) || !messages.errors.isEmpty()) {
        state.SkipWithError("the calculation did not reach the section view");
    }
    QDir::setCurrent(previous);
}
BENCHMARK_CAPTURE(BM_CalculateToFittedSection, calculated, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateToFittedSection, manual, true)->Unit(benchmark::kMillisecond);

// The same click with the window "Характеристики винта" open, which follows it: the analysis's
// curves (about 400 points) and both charts drawn again, laid out as the screen would show them.
void BM_CalculateWithPerformanceWindowOpen(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    testing::RecordingMessages messages;
    testing::RecordingShell shell;
    testing::FakePrinter printer;
    testing::ScriptedFileDialogs dialogs;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    MainWindow form({messages, shell, printer, dialogs, settings});
    form.show();
    form.performanceActions().showWindow();
    PerformanceWindow* window = form.performanceActions().performanceWindow();
    for (auto _ : state) {
        form.calculate();
        window->grab();
    }
    if (!window->findChild<QLabel*>(QStringLiteral("LabFigures"))
             ->text()
             .startsWith(QStringLiteral("Статическая тяга"))) {
        state.SkipWithError("the performance window did not follow the calculation");
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_CalculateWithPerformanceWindowOpen)->Unit(benchmark::kMillisecond);

// Файл → Сохранить модель… for the start design, in the window's process: the solid built and
// written as STEP or STL by the module (loaded once, before the timing).
void BM_SaveModelFromTheWindow(benchmark::State& state, const char* name) {
    useModelModuleFile(KELVARIN_MODEL_MODULE);
    QTemporaryDir dir;
    testing::RecordingMessages messages;
    testing::RecordingShell shell;
    testing::FakePrinter printer;
    testing::ScriptedFileDialogs dialogs;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    MainWindow form({messages, shell, printer, dialogs, settings});
    form.show();
    form.calculate();
    dialogs.modelPath = dir.filePath(QLatin1String(name));
    form.modelActions().saveModel();
    for (auto _ : state) {
        form.modelActions().saveModel();
    }
    if (!messages.errors.isEmpty() || !QFileInfo(dialogs.modelPath).isFile()) {
        state.SkipWithError("the model was not saved");
    }
}
BENCHMARK_CAPTURE(BM_SaveModelFromTheWindow, step, "propeller.step")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveModelFromTheWindow, stl, "propeller.stl")->Unit(benchmark::kMillisecond);

// The whole program as a process: start, show the main window, quit.
void BM_StartupToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        QProcess probe;
        QElapsedTimer clock;
        clock.start();
        probe.start(QStringLiteral(KELVARIN_STARTUP_PROBE), {});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) {
            state.SkipWithError("the start-up probe did not finish cleanly");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_StartupToShownWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    // Headless unless a display is given; the probe inherits the same platform.
    if (std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
