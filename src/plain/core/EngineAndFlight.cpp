// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EngineAndFlight.h"

#include "core/Failure.h"
#include "core/TextToNumber.h"

namespace kelvarin {

namespace {

std::optional<double> numberIn(const FieldTexts& texts, InputField field) {
    try {
        return textToNumber(texts[fieldIndex(field)]);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

EngineAndFlightRecord readEngineAndFlight(const PropellerDesign& design, InputMode mode,
                                          const FieldTexts& texts) {
    if (mode != InputMode::Manual) {
        const SizingInputs& in = design.inputs;
        return {in.powerHp, in.speedRpm, in.designSpeedKmh, in.maxSpeedKmh};
    }
    return {numberIn(texts, InputField::Power), numberIn(texts, InputField::PropellerSpeed),
            numberIn(texts, InputField::DesignSpeed), numberIn(texts, InputField::MaxSpeed)};
}

}  // namespace kelvarin
