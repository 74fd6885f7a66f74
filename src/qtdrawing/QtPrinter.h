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
// through geometry(), so the view shows the resolution the job really prints at.
class QtPrinter : public Printer {
public:
    // The default printer, looked up again on every geometry() and beginDocument().
    QtPrinter();
    // Prints on this printer as it is set up; there is no default-printer lookup.
    explicit QtPrinter(std::unique_ptr<QPrinter> prepared);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    PrinterGeometry geometry() override;
    void beginDocument(std::string_view name) override;
    void newPage() override;
    void endDocument() override;
    Canvas& pageCanvas() override;

private:
    QPrinter& device();
    void requireDocument() const;

    std::unique_ptr<QPrinter> printer_;
    bool prepared_ = false;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace kelvarin
