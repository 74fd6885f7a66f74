// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/Failure.h"
#include "core/PropellerDesign.h"
#include "drawing/Canvas.h"

namespace kelvarin {

inline constexpr std::string_view kNoDefaultPrinter =
    "There is no default printer currently selected";

// The default printer is missing: nothing can be measured or printed.
class PrinterMissing : public Failure {
public:
    PrinterMissing() : Failure(std::string(kNoDefaultPrinter)) {}
};

// The default printer as the drawing sees it.
class Printer {
public:
    virtual ~Printer() = default;

    // LogPixelsX, HorzRes and VertRes of the default printer; throws PrinterMissing.
    virtual PrinterGeometry geometry() = 0;

    virtual void beginDocument(std::string_view name) = 0;  // the document and its first page
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // The page canvas; valid between beginDocument and endDocument.
    virtual Canvas& pageCanvas() = 0;
};

}  // namespace kelvarin
