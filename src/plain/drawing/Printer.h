// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Failure.h"
#include "core/Translation.h"
#include "drawing/Canvas.h"

namespace kelvarin {

inline constexpr std::string_view kNoDefaultPrinter =
    textToTranslate("kelvarin::Printer", "Принтер по умолчанию не выбран");

// The default printer is missing: nothing can be measured or printed.
class PrinterMissing : public Failure {
public:
    PrinterMissing() : Failure(translatedText("kelvarin::Printer", kNoDefaultPrinter.data())) {}
};

// What the drawing needs to know of a printer's page.
struct PrinterGeometry {
    std::int32_t dpi = 0;           // dots per inch, the same across and down the page
    std::int32_t pageWidthPx = 0;   // printable width, device pixels
    std::int32_t pageHeightPx = 0;  // printable height, device pixels
};

// The default printer as the drawing sees it.
class Printer {
public:
    virtual ~Printer() = default;

    // The resolution the printer prints at (PrinterResolution.h), kFallbackResolutionDpi where
    // there is no printer: what the view draws at. Never throws.
    virtual std::int32_t resolutionDpi() = 0;

    // The geometry of the default printer; throws PrinterMissing.
    virtual PrinterGeometry geometry() = 0;

    // Where the pages go, for telling the user: the printer's name, or the file's. Empty where
    // unknown.
    virtual std::string destinationName() { return {}; }

    virtual void beginDocument(std::string_view name) = 0;  // the document and its first page
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // The canvas of the current page; valid between beginDocument and endDocument, and to be
    // asked for again after every newPage.
    virtual Canvas& pageCanvas() = 0;
};

}  // namespace kelvarin
