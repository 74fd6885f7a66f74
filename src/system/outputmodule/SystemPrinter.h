// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "drawing/Printer.h"
#include "outputmodule/OutputModule.h"

namespace kelvarin {

// The system's default printer for the window (printsystem/QtPrinter.h over CUPS), through the
// output module, loaded at the first call: the view asks its resolution only once a section is
// drawn, after the window is shown, so the start-up loads neither CUPS nor Qt's printing. The
// view and the print job still ask the same printer, so the view shows what the job prints.
class SystemPrinter : public Printer {
public:
    SystemPrinter();
    ~SystemPrinter() override;
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;

    // 600 dpi, as for no printer, where the module cannot be loaded: the view still draws, and
    // printing says why it cannot.
    std::int32_t resolutionDpi() override;
    PrinterGeometry geometry() override;
    std::string destinationName() override;
    void beginDocument(std::string_view name) override;
    void newPage() override;
    void endDocument() override;
    Canvas& pageCanvas() override;

private:
    // Throws Failure where the module cannot be loaded.
    DefaultPrinterSteps& steps();

    std::unique_ptr<DefaultPrinterSteps> steps_;
};

}  // namespace kelvarin
