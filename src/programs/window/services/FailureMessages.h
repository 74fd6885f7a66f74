// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

#include "core/InputFields.h"

class QWidget;

namespace kelvarin {

class MessageBoxes;

// The text a user is shown for a failure, always Russian: the program's own failures speak for
// themselves; no memory is said as such; anything else is a fault of the program, shown as
// one and logged in its own words for whoever reads the log.
QString failureText(const std::exception& failure);

// Runs a handler of the window so that no failure crosses the event loop: each lands in a
// message box over `parent`, in the words failureText gives it.
void runGuarded(MessageBoxes& messages, QWidget* parent, const std::function<void()>& handler);

// "Значение в поле «Мощность двигателя л/с» не является числом: «1a4»".
QString notANumberMessage(InputField field, const QString& text);

// A run that an arithmetic fault ended (a negative number under a root, a result beyond range).
QString arithmeticFaultMessage(const std::string& failure);

}  // namespace kelvarin
