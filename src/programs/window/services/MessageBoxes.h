// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kelvarin {

// The three answers to unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };

// Every modal message of the program goes through here, so that tests can answer them without
// a nested event loop. Both boxes carry the application title and one OK button.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A plain message (the empty-field messages of the calculation).
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The default error display: an error icon and the failure text.
    virtual void critical(QWidget* parent, const QString& text) = 0;
    // A question about changes that would be lost: save them, discard them, or go back.
    virtual SaveChoice askToSave(QWidget* parent, const QString& text) = 0;
};

// The real boxes, QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override;
    void critical(QWidget* parent, const QString& text) override;
    SaveChoice askToSave(QWidget* parent, const QString& text) override;
};

// The text the error display shows for a failure: a full stop is added unless one is there.
QString errorDisplayText(const QString& failure);

}  // namespace kelvarin
