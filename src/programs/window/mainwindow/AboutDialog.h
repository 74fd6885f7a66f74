// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace kelvarin {

class DesktopShell;
class LinkLabel;

// The About window: created hidden with the main window, shown modally over it, hidden again
// when closed, so the link keeps its colour for the rest of the run.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(DesktopShell& shell, QWidget* parent = nullptr);

    static inline const QString kWebAddress = QStringLiteral("https://kelvarin.example.org/");

    LinkLabel* webLink() const { return webLink_; }

    // Centres this window's frame over the frame of `main`, not kept within the screen.
    void placeOver(const QWidget& main);
    int showModal() { return exec(); }

    // The outer size of the window, its frame included (estimated before its first showing).
    QSize outerSize() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DesktopShell& shell_;
    LinkLabel* webLink_;
};

}  // namespace kelvarin
