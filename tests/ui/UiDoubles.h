// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <vector>

#include "drawing/Printer.h"
#include "ui/DesktopShell.h"
#include "ui/MainForm.h"
#include "ui/MessageBoxes.h"

namespace kelvarin::testing {

// Answers every message box at once and remembers it.
class RecordingMessages : public MessageBoxes {
public:
    void Inform(QWidget*, const QString& text) override { informed.push_back(text); }
    void Critical(QWidget*, const QString& text) override { errors.push_back(text); }
    QStringList informed;
    QStringList errors;
};

class RecordingShell : public DesktopShell {
public:
    void Open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// A canvas that draws nothing.
class NullCanvas : public Canvas {
public:
    void SetPenWidth(std::int32_t) override {}
    void SetPenColor(Rgb) override {}
    void SetPenStyle(PenStyle) override {}
    void PolyBezier(const std::array<OutlinePoint, 4>&) override {}
    void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void Line(OutlinePoint, OutlinePoint) override {}
    void Text(OutlinePoint, std::string_view) override {}
    std::string FontName() const override { return "DejaVu Sans"; }
    void SetFontName(std::string_view) override {}
    int FontSizePoints() const override { return 8; }
};

// A printer with an A4 page, 600 dpi unless a test says otherwise, or none at all.
class FakePrinter : public Printer {
public:
    PrinterGeometry Geometry() override {
        if (missing) {
            throw PrinterMissing();
        }
        return {dpi, 4960 * dpi / 600, 7016 * dpi / 600};
    }
    void BeginDocument(std::string_view) override {
        if (missing) {
            throw PrinterMissing();
        }
        ++documents;
    }
    void NewPage() override { ++pages; }
    void EndDocument() override {}
    Canvas& PageCanvas() override { return canvas; }

    bool missing = false;
    std::int32_t dpi = 600;
    int documents = 0;
    int pages = 0;
    NullCanvas canvas;
};

// The main window on test doubles, shown, working in a directory of its own.
struct WindowRig {
    WindowRig() {
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        form = std::make_unique<MainForm>(MainFormServices{messages, shell, printer});
        form->show();
    }
    ~WindowRig() {
        form.reset();
        QDir::setCurrent(previousDir);
    }
    WindowRig(const WindowRig&) = delete;
    WindowRig& operator=(const WindowRig&) = delete;

    template <typename T>
    T* Find(const char* name) const {
        return form->findChild<T*>(QLatin1String(name));
    }

    QTemporaryDir workDir;
    QString previousDir;
    RecordingMessages messages;
    RecordingShell shell;
    FakePrinter printer;
    std::unique_ptr<MainForm> form;
};

}  // namespace kelvarin::testing
