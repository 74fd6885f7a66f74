// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls as a design document, and a document put back into them.
#include <QCheckBox>
#include <QSignalBlocker>

#include "ui/ArrowSelector.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"

namespace kelvarin {

DesignDocument MainWindow::designDocument() const {
    DesignDocument document;
    document.fieldTexts = fieldTexts();
    document.byDiameterChecked = byDiameterCheck_->isChecked();
    document.manualChecked = manualCheck_->isChecked();
    document.view = sectionOptions_;
    document.section = sectionSelector_->position();
    return document;
}

void MainWindow::showDesignDocument(const DesignDocument& document) {
    // The mode check boxes run their handlers, which set the fields' states; CheckDiam first,
    // since checking it clears CheckManual.
    byDiameterCheck_->setChecked(document.byDiameterChecked);
    manualCheck_->setChecked(document.manualChecked);
    for (InputField f : kInputFields) {
        setFieldText(f, document.fieldTexts[fieldIndex(f)]);
    }
    // The view's controls without their handlers: each would redraw the old design.
    {
        const QSignalBlocker turned(turnedCheck_);
        const QSignalBlocker marks(controlMarksCheck_);
        const QSignalBlocker selector(sectionSelector_);
        turnedCheck_->setChecked(document.view.turned);
        controlMarksCheck_->setChecked(document.view.controlMarks);
        sectionSelector_->step(document.section - sectionSelector_->position());
        sectionOptions_ = document.view;
    }
    emit designEdited();
    calculate();
}

}  // namespace kelvarin
