// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "atomicfile/FileReplacement.h"
#include "core/InputFields.h"
#include "core/PropellerDesign.h"

namespace kelvarin {

// "Date.html" in the current folder, as an absolute path where the folder still has one.
QString reportFilePath();

// Whether the report file holds the report of the design on screen: the window writes the
// report through here after every completed calculation, and asks here before Data opens it.
class ReportKeeper {
public:
    // Writes the report to `path`; returns the message to show when it could not be written.
    std::optional<QString> write(const PropellerDesign& design, InputMode mode,
                                 const QString& path);

    // Why Data must not open the file at `path`, if it must not: the last report could not be
    // written, or the file is no longer the one written. Before any report, nothing.
    std::optional<QString> reasonNotToOpen(const QString& path) const;

private:
    enum class State { NoneYet, Written, Failed };
    State state_ = State::NoneYet;
    QString failure_;                      // the reason, after a failed write
    std::optional<FileIdentity> written_;  // the file written, when it could be told
};

}  // namespace kelvarin
