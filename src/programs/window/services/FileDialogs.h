// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kelvarin {

// The dialogs that choose a file, so that tests can answer them without an event loop.
// Each returns the chosen path, or an empty string when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // A design to open, starting in `folder`.
    virtual QString designToOpen(QWidget* parent, const QString& folder) = 0;
    // Where to save a design, proposing `suggested`; the path ends in .kelvarin.
    virtual QString designToSave(QWidget* parent, const QString& suggested) = 0;
    // Where to save the propeller's solid, proposing `suggested`; the path ends in .step, .stp
    // or .stl unless the user typed another extension.
    virtual QString modelToSave(QWidget* parent, const QString& title,
                                const QString& suggested) = 0;
};

// The desktop's file dialogs (QFileDialog).
class QtFileDialogs : public FileDialogs {
public:
    QString designToOpen(QWidget* parent, const QString& folder) override;
    QString designToSave(QWidget* parent, const QString& suggested) override;
    QString modelToSave(QWidget* parent, const QString& title, const QString& suggested) override;
};

}  // namespace kelvarin
