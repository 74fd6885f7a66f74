// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/InputFields.h"

namespace kelvarin {

// What the calculation needs of the main window, and nothing more. Texts are UTF-8.
class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    virtual std::string fieldText(InputField field) const = 0;
    virtual void setFieldText(InputField field, const std::string& text) = 0;

    virtual bool manualChecked() const = 0;  // CheckManual: diameter and pitch typed by hand
    virtual bool diamChecked() const = 0;    // CheckDiam: sizing by a given diameter

    // A modal message with one OK button and the application title; returns when closed.
    virtual void showMessage(std::string_view text) = 0;

    // The two steps after the geometry; the window plugs in the report and the section view.
    virtual void writeReport() = 0;
    virtual void showSelectedSection() = 0;
};

}  // namespace kelvarin
