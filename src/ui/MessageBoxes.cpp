// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvarin {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void QtMessageBoxes::Inform(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::NoIcon, text);
}

void QtMessageBoxes::Critical(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Critical, text);
}

QString ErrorDisplayText(const QString& failure) {
    if (failure.endsWith(QLatin1Char('.'))) {
        return failure;
    }
    return failure + QLatin1Char('.');
}

}  // namespace kelvarin
