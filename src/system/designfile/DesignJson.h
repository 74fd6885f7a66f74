// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "designfile/DesignDocument.h"

namespace kelvarin {

// The design file: a JSON object, described in docs/design-file.md. Field texts travel with a
// point as the decimal separator and are shown with the user's, so that a design saved under a
// comma locale opens under a point locale.
inline constexpr char kDesignFormatName[] = "kelvarin-design";
inline constexpr int kDesignFormatVersion = 2;
// A design of the default blade angles and engine is written in the first version, byte for
// byte as before, so that older programs keep reading it.
inline constexpr int kFirstDesignFormatVersion = 1;
// A design takes about 400 bytes; anything near this is not one.
inline constexpr qsizetype kMaxDesignFileBytes = 64 * 1024;

struct DesignReading {
    std::optional<DesignDocument> document;  // with texts in the current decimal separator
    QString programVersion;                  // the version that wrote it, when it says so
    QString problem;  // without a document: why, in Russian, to follow "the file ...: "
};

// Reads a design file's bytes. Anything but a design of this format version or an earlier one,
// whole and with every value of its type, in its range and (for a field text) such as the
// window's filters let into the field, gives a problem and no document.
DesignReading readDesignJson(const QByteArray& bytes);

// Why the document's texts cannot be written, naming the field, or an empty string. A text that
// is not a number with the current separator would not read back as the same number.
QString designTextsProblem(const DesignDocument& document);

// The file's bytes for a document whose texts have no problem, marked with this program's
// version.
QByteArray designJson(const DesignDocument& document);

}  // namespace kelvarin
