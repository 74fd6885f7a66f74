// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>

#include "drawing/Printer.h"
#include "drawing/PrinterResolution.h"

class QPainter;
class QPrinter;

namespace kelvarin {

class QtCanvas;

// The drawing's printer: the system's default printer at the resolution its print system
// reports (600 dpi where it reports none), or a QPrinter prepared by the caller (a PDF file, or
// one set up in the print dialog) as it is. The view and the print job both ask it, so the view
// shows the resolution the job really prints at. A prepared printer's page range is honoured:
// pages outside it are laid out but not printed.
class QtPrinter : public Printer {
public:
    // The default printer, looked up again on every call; its resolution is asked of `system`
    // for every print job, and remembered for the view, which asks on every redraw.
    explicit QtPrinter(PrintSystem& system);
    // Prints on this printer as it is set up; there is no default-printer lookup.
    explicit QtPrinter(std::unique_ptr<QPrinter> prepared);
    // The same for a printer the caller keeps, such as the print dialog's or a preview's.
    explicit QtPrinter(QPrinter& prepared);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    std::int32_t resolutionDpi() override;
    PrinterGeometry geometry() override;
    // The printer's name, or the file a prepared printer writes to.
    std::string destinationName() override;
    void beginDocument(std::string_view name) override;
    void newPage() override;
    void endDocument() override;
    Canvas& pageCanvas() override;

    // The pages of the last document that went to the printer: those in its page range.
    int pagesSent() const { return pagesStarted_; }

private:
    QPrinter& device();
    void requireDocument() const;
    bool pagePrinted(int page) const;

    PrintSystem* system_ = nullptr;  // the default printer's print system; null when prepared
    std::map<std::string, std::int32_t> knownDpi_;  // by printer name, as last asked
    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
    std::unique_ptr<Canvas> skippedPage_;
    int page_ = 0;          // the document's current page, from 1
    int pagesStarted_ = 0;  // pages actually begun on the printer
};

}  // namespace kelvarin
