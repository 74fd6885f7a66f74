// SPDX-License-Identifier: GPL-3.0-or-later
#include "designmodel/DesignModel.h"

#include <utility>

#include "performance/Atmosphere.h"
#include "performance/EngineMatch.h"

namespace kelvarin {

DesignModel::DesignModel(QObject* parent) : QObject(parent) {}

const std::string& DesignModel::fieldText(InputField field) const {
    return document_.fieldTexts[fieldIndex(field)];
}

void DesignModel::setFieldText(InputField field, const std::string& text) {
    std::string& stored = document_.fieldTexts[fieldIndex(field)];
    if (stored == text) {
        return;
    }
    stored = text;
    emit fieldTextChanged(field);
    emit edited();
}

void DesignModel::setModeChecks(bool byDiameter, bool manual) {
    if (document_.byDiameterChecked == byDiameter && document_.manualChecked == manual) {
        return;
    }
    document_.byDiameterChecked = byDiameter;
    document_.manualChecked = manual;
    emit edited();
}

void DesignModel::setViewOptions(const SectionOptions& options) {
    if (document_.view == options) {
        return;
    }
    document_.view = options;
    emit edited();
}

void DesignModel::setSection(int section) {
    if (document_.section == section) {
        return;
    }
    document_.section = section;
    emit edited();
}

void DesignModel::setBladeAngleRule(BladeAngleRule rule) {
    if (document_.bladeAngleRule == rule) {
        return;
    }
    document_.bladeAngleRule = rule;
    emit edited();
    if (isCalculated()) {
        calculate();
    }
}

void DesignModel::setEnginePowerCurve(const EnginePowerCurve& curve) {
    if (document_.enginePowerCurve == curve) {
        return;
    }
    document_.enginePowerCurve = curve;
    emit edited();
}

void DesignModel::setModelOptions(const ModelOptions& options) {
    if (document_.model == options) {
        return;
    }
    document_.model = options;
    emit edited();
}

void DesignModel::setDocument(const DesignDocument& document) {
    document_ = document;
    emit documentReplaced();
    emit edited();
}

const PropellerDesign& DesignModel::calculatedDesign() const {
    return calculated_ ? calculated_->design : design_;
}

InputMode DesignModel::calculatedMode() const {
    return calculated_ ? calculated_->mode : mode();
}

EngineAndFlightRecord DesignModel::engine() const {
    return calculated_ ? calculated_->engine : EngineAndFlightRecord{};
}

CalculationOutcome DesignModel::calculate() {
    const InputMode runMode = mode();
    PropellerDesign start = design_;
    start.angles.rule = document_.bladeAngleRule;
    CalculationOutcome outcome = runCalculation(document_.fieldTexts, runMode, start);
    std::size_t written = 0;
    const auto writeUpTo = [&](std::size_t count) {
        for (; written < count; ++written) {
            const FieldWrite& w = outcome.fieldWrites[written];
            setFieldText(w.field, w.text);
        }
    };
    for (const FieldMessage& message : outcome.messages) {
        writeUpTo(message.writesBefore);
        emit messageArose(QString::fromStdString(message.text));
    }
    writeUpTo(outcome.fieldWrites.size());
    if (outcome.completed()) {
        const EngineMatch match = applyBladeAngles(outcome, airAt(0));
        if (!match.problem.empty()) {
            emit matchFailed(QString::fromStdString(match.problem));
            return outcome;
        }
    }
    design_ = outcome.design;
    switch (outcome.end) {
        case RunEnd::Completed:
            calculated_ = Calculated{design_, runMode, outcome.engine};
            emit calculated();
            break;
        case RunEnd::NotANumber:
            if (outcome.notANumberField) {
                emit notANumber(*outcome.notANumberField);
            }
            break;
        case RunEnd::ArithmeticFault:
            emit arithmeticFault(QString::fromStdString(outcome.failure));
            break;
    }
    return outcome;
}

}  // namespace kelvarin
