// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/MessageBoxes.h"

#include <QCoreApplication>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kelvarin {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::NoIcon, text);
}

void QtMessageBoxes::critical(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, text);
}

SaveChoice QtMessageBoxes::askToSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("kelvarin::MessageBoxes", "Сохранить"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("kelvarin::MessageBoxes", "Не сохранять"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("kelvarin::MessageBoxes", "Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

QString errorDisplayText(const QString& failure) {
    if (failure.endsWith(QLatin1Char('.'))) {
        return failure;
    }
    return failure + QLatin1Char('.');
}

}  // namespace kelvarin
