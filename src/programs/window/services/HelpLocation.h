// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kelvarin {

// The compiled help for the program's language: "Help.chm" (Russian) or "Help-en.chm".
QString helpFileName(bool english);

// fileName (a helpFileName) of the current directory when there is one; otherwise the copy that
// came with the program (next to it in a build, in its data folder when installed), so that Help
// works when Kelvarin is started from a desktop menu. Without any, the current directory's name.
QString helpFilePath(const QString& fileName);

// The places searched after the current directory, in order.
QStringList installedHelpCandidates(const QString& programDir, const QString& fileName);

}  // namespace kelvarin
