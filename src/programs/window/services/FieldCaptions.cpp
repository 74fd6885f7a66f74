// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FieldCaptions.h"

#include <QCoreApplication>

namespace kelvarin {

QString fieldCaption(InputField field) {
    switch (field) {
        case InputField::Diameter:
            return QCoreApplication::translate("kelvarin::FieldCaptions", "Диаметр винта см");
        case InputField::Pitch:
            return QCoreApplication::translate("kelvarin::FieldCaptions", "Шаг винта");
        case InputField::Power:
            return QCoreApplication::translate("kelvarin::FieldCaptions", "Мощность двигателя л/с");
        case InputField::PropellerSpeed:
            return QCoreApplication::translate("kelvarin::FieldCaptions",
                                               "Частота вращения винта об/мин");
        case InputField::MaxSpeed:
            return QCoreApplication::translate("kelvarin::FieldCaptions",
                                               "Скорость максимал км/час");
        case InputField::DesignSpeed:
            return QCoreApplication::translate("kelvarin::FieldCaptions",
                                               "Скорость расчетная км/час");
    }
    return {};
}

}  // namespace kelvarin
