// SPDX-License-Identifier: GPL-3.0-or-later
// The input modes. The mode is not stored: it is the pair CheckManual, CheckDiam, and these two
// handlers bring the six fields into the state that the pair asks for.
#include <QCheckBox>

#include "controls/NumericEdit.h"
#include "mainwindow/MainWindow.h"

namespace kelvarin {

void MainWindow::applyManualMode() {
    if (!manualCheck_->isChecked()) {
        for (InputField f : {InputField::Power, InputField::PropellerSpeed, InputField::MaxSpeed,
                             InputField::DesignSpeed}) {
            fieldEdit(f)->setEnabled(true);
        }
        diameterEdit_->setReadOnly(true);
        pitchEdit_->setReadOnly(true);
        if (!byDiameterCheck_->isChecked()) {
            diameterEdit_->setShaded(true);
            pitchEdit_->setShaded(true);
            for (InputField f : {InputField::Power, InputField::PropellerSpeed,
                                 InputField::MaxSpeed, InputField::DesignSpeed}) {
                fieldEdit(f)->setShaded(false);
            }
        } else {
            diameterEdit_->setReadOnly(false);
            powerEdit_->setShaded(false);
            propellerSpeedEdit_->setShaded(true);
            maxSpeedEdit_->setShaded(false);
            designSpeedEdit_->setShaded(false);
            diameterEdit_->setShaded(false);
            pitchEdit_->setShaded(true);
        }
    } else {
        // EditNv keeps its read-only setting: CheckDiam owns it.
        for (InputField f : {InputField::Power, InputField::PropellerSpeed, InputField::MaxSpeed,
                             InputField::DesignSpeed}) {
            fieldEdit(f)->setEnabled(false);
            fieldEdit(f)->setShaded(true);
        }
        diameterEdit_->setReadOnly(false);
        pitchEdit_->setReadOnly(false);
        diameterEdit_->setShaded(false);
        pitchEdit_->setShaded(false);
    }
}

void MainWindow::applyDiameterMode() {
    const bool byDiameter = byDiameterCheck_->isChecked();
    // Leaving the manual mode runs applyManualMode first, which re-enables the four fields.
    manualCheck_->setChecked(false);
    powerEdit_->setShaded(false);
    maxSpeedEdit_->setShaded(false);
    designSpeedEdit_->setShaded(false);
    propellerSpeedEdit_->setReadOnly(byDiameter);
    propellerSpeedEdit_->setShaded(byDiameter);
    diameterEdit_->setReadOnly(!byDiameter);
    diameterEdit_->setShaded(!byDiameter);
    pitchEdit_->setShaded(true);
}

}  // namespace kelvarin
