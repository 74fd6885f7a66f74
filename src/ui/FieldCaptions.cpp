// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FieldCaptions.h"

namespace kelvarin {

QString fieldCaption(InputField field) {
    switch (field) {
        case InputField::Diameter:
            return QStringLiteral("Диаметр винта см");
        case InputField::Pitch:
            return QStringLiteral("Шаг винта");
        case InputField::Power:
            return QStringLiteral("Мощность двигателя л/с");
        case InputField::PropellerSpeed:
            return QStringLiteral("Частота вращения винта об/мин");
        case InputField::MaxSpeed:
            return QStringLiteral("Скорость максимал км/час");
        case InputField::DesignSpeed:
            return QStringLiteral("Скорость расчетная км/час");
    }
    return {};
}

}  // namespace kelvarin
