#pragma once

#include "core/PropellerDesign.h"

// TEMPORARY until the report lands: the calculation's report step, a no-op meanwhile.
#if __has_include("report/DataReport.h")
#include "report/DataReport.h"
namespace kelvarin {
inline void WriteDataReport(const PropellerDesign& design, bool manual) {
    WriteReport(design, manual);
}
}  // namespace kelvarin
#else
namespace kelvarin {
inline void WriteDataReport(const PropellerDesign&, bool) {}
}  // namespace kelvarin
#endif
