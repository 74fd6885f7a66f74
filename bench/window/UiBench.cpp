// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
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
// written as STEP or STL by the module (loaded once, before the timing). The hand turns before
// each save, so that the window's kept solid does not spare the build.
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
        form.modelActions().leftHandAction()->toggle();
        form.modelActions().saveModel();
    }
    if (!messages.errors.isEmpty() || !QFileInfo(dialogs.modelPath).isFile()) {
        state.SkipWithError("the model was not saved");
    }
}
BENCHMARK_CAPTURE(BM_SaveModelFromTheWindow, step, "propeller.step")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveModelFromTheWindow, stl, "propeller.stl")->Unit(benchmark::kMillisecond);

// Stops a clock at the preview's first frame on the screen and closes the preview. The preview
// comes from the views module, with Qt OpenGL, which the window does not link: it is known by
// its name, and its view's frameSwapped() by its signature.
class FirstFrameWatch : public QObject {
    Q_OBJECT

public:
    explicit FirstFrameWatch(QElapsedTimer& clock) : clock_(clock) {}

    // Nanoseconds from the clock's start to the first frame, and to the info beside it; -1
    // until there is one.
    qint64 elapsedNs = -1;
    qint64 withInfoNs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && event->type() == QEvent::Show &&
            dialog->objectName() == QLatin1String("ModelPreview")) {
            dialog_ = dialog;
            // A preview that never draws (no OpenGL) is closed rather than waited on.
            QTimer::singleShot(10000, dialog, &QDialog::reject);
            connect(dialog->findChild<QWidget*>(QStringLiteral("ModelView")),
                    SIGNAL(frameSwapped()), this, SLOT(frameShown()));
        }
        return false;
    }

private slots:
    void frameShown() {
        disconnect(sender(), SIGNAL(frameSwapped()), this, SLOT(frameShown()));
        elapsedNs = clock_.nsecsElapsed();
        // Closed once its info is there too, when the window waits for the user.
        QTimer::singleShot(0, dialog_, [this] {
            withInfoNs = clock_.nsecsElapsed();
            dialog_->reject();
        });
    }

private:
    QElapsedTimer& clock_;
    QPointer<QDialog> dialog_;
};

// 3D-модель… to the preview's first frame on the screen, in the window's process with the
// modules loaded: the solid built and meshed for the preview, the dialog laid out and its first
// frame drawn; the counter with_info_ms goes on to the blank, mass and strength beside it. The
// hand turns before each click, so that every click builds a solid anew; `again` opens the
// same preview again, from the solid the window keeps. Needs OpenGL: run under xvfb-run. The
// first, untimed click (the modules loaded, the kernel with one) is in the counter cold_ms.
void BM_PreviewFirstFrame(benchmark::State& state, const char* diameterCm, const char* pitchM,
                          bool again) {
    useModelModuleFile(KELVARIN_MODEL_MODULE);
    testing::UseBuiltModules();
    QTemporaryDir dir;
    testing::RecordingMessages messages;
    testing::RecordingShell shell;
    testing::FakePrinter printer;
    testing::ScriptedFileDialogs dialogs;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    MainWindow form({messages, shell, printer, dialogs, settings});
    form.show();
    form.findChild<QCheckBox*>(QStringLiteral("CheckManual"))->setChecked(true);
    form.setFieldText(InputField::Diameter, diameterCm);
    form.setFieldText(InputField::Pitch, pitchM);
    form.calculate();
    QElapsedTimer clock;
    FirstFrameWatch watch(clock);
    qApp->installEventFilter(&watch);
    ModelActions& model = form.modelActions();
    const auto click = [&] {
        watch.elapsedNs = -1;
        clock.start();
        model.previewAction()->trigger();
        return watch.elapsedNs;
    };
    state.counters["cold_ms"] = static_cast<double>(click()) / 1e6;
    double withInfoMs = 0;
    for (auto _ : state) {
        if (!again) {
            model.leftHandAction()->toggle();
        }
        const qint64 ns = click();
        if (ns < 0) {
            state.SkipWithError("the preview drew no frame: run under xvfb-run");
            break;
        }
        state.SetIterationTime(static_cast<double>(ns) / 1e9);
        withInfoMs += static_cast<double>(watch.withInfoNs) / 1e6;
    }
    state.counters["with_info_ms"] = withInfoMs / static_cast<double>(state.iterations());
    qApp->removeEventFilter(&watch);
    if (!messages.errors.isEmpty()) {
        state.SkipWithError(qPrintable(messages.errors.join(QLatin1Char('\n'))));
    }
}
BENCHMARK_CAPTURE(BM_PreviewFirstFrame, start, "151,7", "0,52", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_PreviewFirstFrame, start_again, "151,7", "0,52", true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_PreviewFirstFrame, ten_metres, "1000", "4", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

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

#include "UiBench.moc"
