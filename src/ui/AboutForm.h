// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace kelvarin {

class DesktopShell;
class LinkLabel;

// The About window: created hidden with the main window, shown modally over it, hidden again
// when closed, so the link keeps its colour for the rest of the run.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    AboutForm(DesktopShell& shell, QWidget* parent = nullptr);

    static inline const QString kWebAddress = QStringLiteral("https://kelvarin.example.org/");

    LinkLabel* LabWeb() const { return labWeb_; }

    // Centres this window's frame over the frame of `main`, not kept within the screen.
    void PlaceOver(const QWidget& main);
    int ShowModal() { return exec(); }

    // The outer size of the window, its frame included (estimated before its first showing).
    QSize OuterSize() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DesktopShell& shell_;
    LinkLabel* labWeb_;
};

}  // namespace kelvarin
