// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "drawing/Printer.h"

class QPainter;
class QPrinter;

namespace kelvarin {

class QtCanvas;

// The drawing's printer: the system's default printer, opened at its own high resolution, or
// a QPrinter prepared by the caller (a PDF file, say). The view and the print job both measure
// through Geometry(), so the view shows the resolution the job really prints at.
class QtPrinter : public Printer {
public:
    // The default printer, looked up again on every Geometry() and BeginDocument().
    QtPrinter();
    // Prints on this printer as it is set up; there is no default-printer lookup.
    explicit QtPrinter(std::unique_ptr<QPrinter> prepared);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    PrinterGeometry Geometry() override;
    void BeginDocument(std::string_view name) override;
    void NewPage() override;
    void EndDocument() override;
    Canvas& PageCanvas() override;

private:
    QPrinter& Device();
    void RequireDocument() const;

    std::unique_ptr<QPrinter> printer_;
    bool prepared_ = false;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace kelvarin
