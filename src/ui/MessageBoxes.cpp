// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

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

QString errorDisplayText(const QString& failure) {
    if (failure.endsWith(QLatin1Char('.'))) {
        return failure;
    }
    return failure + QLatin1Char('.');
}

}  // namespace kelvarin
