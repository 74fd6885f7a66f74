// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FieldWidths.h"

#include "core/DecimalSeparator.h"

namespace kelvarin {

QString widestFieldText(InputField field) {
    // Digits share one advance in the fonts the fields use; 8 stands for any of them.
    const QString separator{QLatin1Char(decimalSeparator())};
    switch (field) {
        case InputField::Diameter:
            // The sizing's diameter with its one decimal: up to 56 220,0 cm (999 hp at 1 rpm
            // and 1 km/h); a diameter of 1000 cm reads 1000,0.
            return QStringLiteral("88888") + separator + QStringLiteral("8");
        case InputField::Pitch:
            // The sizing's pitch with its two decimals, below 100 m; only absurd inputs reach
            // the exponent form beyond.
            return QStringLiteral("88") + separator + QStringLiteral("88");
        case InputField::PropellerSpeed:
            // Typed, or sized from the diameter: whole numbers below 100 000 rpm, past which
            // only absurd inputs reach.
            return QStringLiteral("88888");
        case InputField::Power:
        case InputField::MaxSpeed:
        case InputField::DesignSpeed:
            // Only typed, three digits at most.
            return QStringLiteral("888");
    }
    return {};
}

}  // namespace kelvarin
