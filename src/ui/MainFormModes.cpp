// SPDX-License-Identifier: GPL-3.0-or-later
// The input modes. The mode is not stored: it is the pair CheckManual, CheckDiam, and these two
// handlers bring the six fields into the state that the pair asks for.
#include <QCheckBox>

#include "ui/MainForm.h"
#include "ui/NumericEdit.h"

namespace kelvarin {

void MainForm::ManualCheck() {
    if (!checkManual_->isChecked()) {
        for (InputField f : {InputField::Power, InputField::PropellerSpeed, InputField::MaxSpeed,
                             InputField::DesignSpeed}) {
            Field(f)->setEnabled(true);
        }
        editDv_->setReadOnly(true);
        editHv_->setReadOnly(true);
        if (!checkDiam_->isChecked()) {
            editDv_->SetShaded(true);
            editHv_->SetShaded(true);
            for (InputField f : {InputField::Power, InputField::PropellerSpeed,
                                 InputField::MaxSpeed, InputField::DesignSpeed}) {
                Field(f)->SetShaded(false);
            }
        } else {
            editDv_->setReadOnly(false);
            editNd_->SetShaded(false);
            editNv_->SetShaded(true);
            editVm_->SetShaded(false);
            editVr_->SetShaded(false);
            editDv_->SetShaded(false);
            editHv_->SetShaded(true);
        }
    } else {
        // EditNv keeps its read-only setting: CheckDiam owns it.
        for (InputField f : {InputField::Power, InputField::PropellerSpeed, InputField::MaxSpeed,
                             InputField::DesignSpeed}) {
            Field(f)->setEnabled(false);
            Field(f)->SetShaded(true);
        }
        editDv_->setReadOnly(false);
        editHv_->setReadOnly(false);
        editDv_->SetShaded(false);
        editHv_->SetShaded(false);
    }
}

void MainForm::CheckDiamClick() {
    const bool byDiameter = checkDiam_->isChecked();
    // Leaving the manual mode runs ManualCheck first, which re-enables the four fields.
    checkManual_->setChecked(false);
    editNd_->SetShaded(false);
    editVm_->SetShaded(false);
    editVr_->SetShaded(false);
    editNv_->setReadOnly(byDiameter);
    editNv_->SetShaded(byDiameter);
    editDv_->setReadOnly(!byDiameter);
    editDv_->SetShaded(!byDiameter);
    editHv_->SetShaded(true);
}

}  // namespace kelvarin
