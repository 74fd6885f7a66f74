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
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "actions/ModelActions.h"
#include "actions/PerformanceActions.h"
#include "mainwindow/MainWindow.h"
#include "modelmodule/ModelModuleLoader.h"
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
    testing::UseBuiltModules();
    MainWindow form({messages, shell, printer, dialogs, settings});
    form.show();
    form.performanceActions().showWindow();
    QWidget* window = form.performanceActions().performanceWindow();
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

// One probe as a whole process: its time to the shown window and end, seconds, and the shared
// objects it had mapped by then; nothing where it did not finish cleanly.
struct ProbeRun {
    double seconds = 0;
    int sharedObjects = 0;
};

std::optional<ProbeRun> runProbe(const QString& program) {
    QProcess probe;
    QElapsedTimer clock;
    clock.start();
    probe.start(program, {});
    if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0) {
        return std::nullopt;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const QString marker = QStringLiteral("shared objects ");
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput());
    const qsizetype at = output.indexOf(marker);
    return ProbeRun{seconds, at < 0 ? 0 : output.mid(at + marker.size()).trimmed().toInt()};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The whole program as a process: start, show the main window, quit.
void BM_StartupToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<ProbeRun> run = runProbe(QStringLiteral(KELVARIN_STARTUP_PROBE));
        if (!run) {
            state.SkipWithError("the start-up probe did not finish cleanly");
            break;
        }
        state.SetIterationTime(run->seconds);
    }
}
BENCHMARK(BM_StartupToShownWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The program against a bare Qt window of about as many widgets, started in turns so that both
// see the same machine: the medians of each, their ratio, and the shared objects each mapped.
void BM_StartupAgainstBareWindow(benchmark::State& state) {
    std::vector<double> ours;
    std::vector<double> bare;
    ProbeRun lastOurs;
    ProbeRun lastBare;
    for (auto _ : state) {
        const bool oursFirst = ours.size() % 2 == 0;
        const QString first = oursFirst ? QStringLiteral(KELVARIN_STARTUP_PROBE)
                                        : QStringLiteral(KELVARIN_BARE_WINDOW_PROBE);
        const QString second = oursFirst ? QStringLiteral(KELVARIN_BARE_WINDOW_PROBE)
                                         : QStringLiteral(KELVARIN_STARTUP_PROBE);
        const std::optional<ProbeRun> a = runProbe(first);
        const std::optional<ProbeRun> b = runProbe(second);
        if (!a || !b) {
            state.SkipWithError("a start-up probe did not finish cleanly");
            return;
        }
        lastOurs = oursFirst ? *a : *b;
        lastBare = oursFirst ? *b : *a;
        ours.push_back(lastOurs.seconds);
        bare.push_back(lastBare.seconds);
        state.SetIterationTime(lastOurs.seconds);
    }
    const double oursMs = median(ours) * 1e3;
    const double bareMs = median(bare) * 1e3;
    state.counters["ours_ms"] = oursMs;
    state.counters["bare_ms"] = bareMs;
    state.counters["ratio"] = oursMs / bareMs;
    state.counters["ours_libs"] = lastOurs.sharedObjects;
    state.counters["bare_libs"] = lastBare.sharedObjects;
}
BENCHMARK(BM_StartupAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

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
