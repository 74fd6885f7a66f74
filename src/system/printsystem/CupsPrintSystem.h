// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/PrinterResolution.h"

namespace kelvarin {

// The print system as CUPS (libcups) sees it: the scheduler named by the user's CUPS settings
// (CUPS_SERVER, client.conf), asked afresh on every call.
class CupsPrintSystem : public PrintSystem {
public:
    // "queue" or "queue/instance", as lpoptions and the PRINTER variable may choose it.
    std::string defaultPrinterName() override;
    // `printer` is a CUPS destination name, "queue" or "queue/instance"; empty is the default
    // destination.
    std::optional<ReportedResolution> defaultResolution(const std::string& printer) override;
};

}  // namespace kelvarin
