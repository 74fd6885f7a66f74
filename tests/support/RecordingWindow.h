// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/CalculationWindow.h"
#include "core/InputFields.h"

namespace kelvarin::testing {

// A main window as the calculation sees it: six texts, two check boxes, and a log of every
// message box and later step, in the order they happened.
class RecordingWindow : public CalculationWindow {
public:
    RecordingWindow() {
        for (InputField f : kInputFields) {
            texts[f] = startText(f);
        }
    }

    std::string fieldText(InputField field) const override { return texts.at(field); }
    void setFieldText(InputField field, const std::string& text) override {
        texts[field] = text;
        log.push_back("set " + std::to_string(static_cast<int>(field)) + " " + text);
    }
    bool manualChecked() const override { return manual; }
    bool diamChecked() const override { return diam; }
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        log.push_back("message " + std::string(text));
    }
    void writeReport() override {
        ++reports;
        log.emplace_back("report");
    }
    void showSelectedSection() override {
        ++views;
        log.emplace_back("view");
    }

    std::map<InputField, std::string> texts;
    bool manual = false;
    bool diam = false;
    std::vector<std::string> messages;
    std::vector<std::string> log;
    int reports = 0;
    int views = 0;
};

// Sets the decimal separator for the life of a test.
class ScopedSeparator {
public:
    explicit ScopedSeparator(char separator);
    ~ScopedSeparator();
    ScopedSeparator(const ScopedSeparator&) = delete;
    ScopedSeparator& operator=(const ScopedSeparator&) = delete;
};

}  // namespace kelvarin::testing
