// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/InputFields.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// The report's bare file name: it lies in the current directory, where the Data button finds it.
inline constexpr std::string_view kReportFileName = "Date.html";

// The whole report file as bytes: Windows-1251, every line ended by CR LF, numbers with the
// current decimal separator. In the manual mode, where nothing was sized, the figures are only
// the diameter and the pitch. Reads the design and changes nothing.
std::string reportText(const PropellerDesign& design, InputMode mode);

// Writes the report so that the file holds either the previous report or the whole new one
// (atomicfile/replaceFile): a failure throws FileWriteError, which names the file and the reason,
// and leaves the file as it was. A "Date.html" that is not a regular file (a pipe, a device) is
// written in place as before, errors ignored. The text is made before the file is touched, so a
// fault in making it (an encoding error, no memory) propagates and leaves the file as it was.
void writeReport(const PropellerDesign& design, InputMode mode,
                 const std::string& path = std::string(kReportFileName));

}  // namespace kelvarin
