// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FailureMessages.h"

#include <QCoreApplication>

#include <QtDebug>
#include <new>

#include "core/Failure.h"
#include "services/FieldCaptions.h"
#include "services/MessageBoxes.h"

namespace kelvarin {

QString failureText(const std::exception& failure) {
    if (dynamic_cast<const Failure*>(&failure) != nullptr) {
        return QString::fromUtf8(failure.what());
    }
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
        return QCoreApplication::translate("kelvarin::FailureMessages", "Недостаточно памяти");
    }
    qWarning("Kelvarin: %s", failure.what());
    return QCoreApplication::translate("kelvarin::FailureMessages", "Внутренняя ошибка программы");
}

void runGuarded(MessageBoxes& messages, QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        messages.critical(parent, errorDisplayText(failureText(failure)));
    } catch (...) {
        messages.critical(parent, errorDisplayText(QCoreApplication::translate(
                                      "kelvarin::FailureMessages", "Непредвиденная ошибка")));
    }
}

QString notANumberMessage(InputField field, const QString& text) {
    return QCoreApplication::translate("kelvarin::FailureMessages",
                                       "Значение в поле «%1» не является числом: «%2»")
        .arg(fieldCaption(field), text);
}

QString arithmeticFaultMessage(const std::string& failure) {
    return QCoreApplication::translate("kelvarin::FailureMessages",
                                       "Расчет не выполнен: %1. Проверьте введенные значения.")
        .arg(QString::fromStdString(failure).toLower());
}

}  // namespace kelvarin
