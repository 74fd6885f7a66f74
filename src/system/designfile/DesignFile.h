// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "designfile/DesignDocument.h"

namespace kelvarin {

// The extension of a design file, without the dot.
inline constexpr char kDesignFileSuffix[] = "kelvarin";

struct DesignLoad {
    std::optional<DesignDocument> document;
    // Without a document: a whole Russian sentence naming the file and the problem.
    QString problem;
};

// Reads the design file at `path`. A file that is missing, unreadable, too large or not a
// design of a known format gives a problem and no document; nothing is half read.
DesignLoad loadDesignFile(const QString& path);

// Writes the document to `path` atomically: the old file stays whole until the new one is
// complete. Returns a whole Russian sentence naming the file and the problem, or an empty
// string on success.
QString saveDesignFile(const QString& path, const DesignDocument& document);

}  // namespace kelvarin
