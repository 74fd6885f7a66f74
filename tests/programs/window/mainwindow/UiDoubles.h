// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "drawing/Printer.h"
#include "mainwindow/MainWindow.h"
#include "outputmodule/OutputModuleLoader.h"
#include "services/DesktopShell.h"
#include "services/FileDialogs.h"
#include "services/MessageBoxes.h"
#include "viewsmodule/ViewsModuleLoader.h"

namespace kelvarin::testing {

// Answers every message box at once and remembers it; onInform sees the window as the box
// would cover it.
class RecordingMessages : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override {
        informed.push_back(text);
        if (onInform) {
            onInform();
        }
    }
    void critical(QWidget*, const QString& text) override { errors.push_back(text); }
    SaveChoice askToSave(QWidget*, const QString& text) override {
        questions.push_back(text);
        return answer;
    }
    QStringList informed;
    QStringList errors;
    QStringList questions;
    SaveChoice answer = SaveChoice::Cancel;
    std::function<void()> onInform;
};

// Answers the file dialogs with the paths a test sets; empty is the user's cancel.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString designToOpen(QWidget*, const QString&) override {
        ++asked;
        return openPath;
    }
    QString designToSave(QWidget*, const QString& suggested) override {
        ++asked;
        lastSuggested = suggested;
        return savePath;
    }
    QString modelToSave(QWidget*, const QString& title, const QString& suggested) override {
        ++asked;
        lastTitle = title;
        lastSuggested = suggested;
        return modelPath;
    }
    QString openPath;
    QString savePath;
    QString modelPath;
    QString lastTitle;
    QString lastSuggested;
    int asked = 0;
};

class RecordingShell : public DesktopShell {
public:
    void open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// A canvas that draws nothing.
class NullCanvas : public Canvas {
public:
    void setPenWidth(std::int32_t) override {}
    void setPenColor(Rgb) override {}
    void setPenStyle(PenStyle) override {}
    void polyBezier(const std::array<OutlinePoint, 4>&) override {}
    void ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void line(OutlinePoint, OutlinePoint) override {}
    void text(OutlinePoint, std::string_view) override {}
    std::string fontName() const override { return "DejaVu Sans"; }
    void setFontName(std::string_view) override {}
    int fontSizePoints() const override { return 8; }
    void setFontSizePoints(int) override {}
    void setClip(std::optional<PixelRect>) override {}
};

// A printer with an A4 page, 600 dpi unless a test says otherwise, or none at all.
class FakePrinter : public Printer {
public:
    std::int32_t resolutionDpi() override { return missing ? 600 : dpi; }
    PrinterGeometry geometry() override {
        if (missing) {
            throw PrinterMissing();
        }
        return {dpi, 4960 * dpi / 600, 7016 * dpi / 600};
    }
    std::string destinationName() override { return "Мастерская"; }
    void beginDocument(std::string_view name) override {
        if (missing) {
            throw PrinterMissing();
        }
        ++documents;
        documentName = name;
    }
    void newPage() override { ++pages; }
    void endDocument() override {}
    Canvas& pageCanvas() override { return canvas; }

    bool missing = false;
    std::int32_t dpi = 600;
    int documents = 0;
    std::string documentName;
    int pages = 0;
    NullCanvas canvas;
};

// The main window on test doubles, shown, working in a directory of its own.
// The window's modules as built, since a test program does not live beside them.
inline void UseBuiltModules() {
    useViewsModuleFile(KELVARIN_VIEWS_MODULE);
    useOutputModuleFile(KELVARIN_OUTPUT_MODULE);
}

struct WindowRig {
    WindowRig() {
        UseBuiltModules();
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        window = std::make_unique<MainWindow>(
            MainWindowServices{messages, shell, printer, dialogs, settings});
        window->show();
    }
    ~WindowRig() {
        window.reset();
        QDir::setCurrent(previousDir);
    }
    WindowRig(const WindowRig&) = delete;
    WindowRig& operator=(const WindowRig&) = delete;

    template <typename T>
    T* Find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }

    QTemporaryDir workDir;
    QString previousDir;
    RecordingMessages messages;
    RecordingShell shell;
    FakePrinter printer;
    ScriptedFileDialogs dialogs;
    // The recent designs of this test alone, never the user's.
    QSettings settings{workDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    std::unique_ptr<MainWindow> window;
};

}  // namespace kelvarin::testing
