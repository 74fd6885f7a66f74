// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "core/CalculationRun.h"
#include "core/EngineAndFlight.h"
#include "core/PropellerDesign.h"
#include "designfile/DesignDocument.h"

namespace kelvarin {

// The one design of the window: what the user set (the document a design file keeps) and what
// the last calculation made of it. Controls and files edit it; the window, the session, the
// templates, the model, the performance window, the report and the status line follow its two
// signals and read it when they need it. Nothing else keeps a copy.
class DesignModel : public QObject {
    Q_OBJECT
public:
    explicit DesignModel(QObject* parent = nullptr);

    // What the user set.
    const DesignDocument& document() const { return document_; }
    const std::string& fieldText(InputField field) const;
    InputMode mode() const { return inputMode(document_); }
    const SectionOptions& viewOptions() const { return document_.view; }
    int section() const { return document_.section; }

    void setFieldText(InputField field, const std::string& text);
    // The two mode check boxes as they stand (CheckDiam, CheckManual).
    void setModeChecks(bool byDiameter, bool manual);
    void setViewOptions(const SectionOptions& options);
    void setSection(int section);
    // How the blade angles are made; a calculated design is calculated again at once.
    void setBladeAngleRule(BladeAngleRule rule);
    void setEnginePowerCurve(const EnginePowerCurve& curve);
    // The hub, trailing edge and wood of the solid.
    void setModelOptions(const ModelOptions& options);
    // A whole document, as opening a file puts it: documentReplaced, then edited.
    void setDocument(const DesignDocument& document);

    // The design as far as the last calculation got (zero-filled before the first).
    const PropellerDesign& design() const { return design_; }
    // The last completed calculation, if any: the design and the mode it was calculated in, its
    // engine and flight.
    bool isCalculated() const { return calculated_.has_value(); }
    const PropellerDesign& calculatedDesign() const;
    InputMode calculatedMode() const;
    EngineAndFlightRecord engine() const;

    // Calculates the document: every field write is made in order (fieldTextChanged), each
    // message is given at its place among them (messageArose), then the run's end is told:
    // calculated, notANumber or arithmeticFault. A blade to be matched to its engine is matched
    // then, or matchFailed keeps the last design. The outcome says the same to the caller.
    CalculationOutcome calculate();

signals:
    // Anything the design file keeps changed, by the user, a file or a calculation.
    void edited();
    // One field's text changed: the controls show it.
    void fieldTextChanged(kelvarin::InputField field);
    // A whole new document: the controls take all of it.
    void documentReplaced();
    // A calculation's message, at its place among the field writes.
    void messageArose(const QString& text);
    // The blade could not be matched to the engine: why, and what would; the last design stays.
    void matchFailed(const QString& reason);
    // A calculation ran to its end.
    void calculated();
    // A calculation stopped at a field whose text is not a number.
    void notANumber(kelvarin::InputField field);
    // A calculation met an arithmetic fault (a root of a negative number, say): its own text.
    void arithmeticFault(const QString& failure);

private:
    struct Calculated {
        PropellerDesign design;
        InputMode mode;
        EngineAndFlightRecord engine;
    };

    DesignDocument document_;
    PropellerDesign design_{};
    std::optional<Calculated> calculated_;
};

}  // namespace kelvarin
