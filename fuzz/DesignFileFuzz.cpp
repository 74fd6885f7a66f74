// SPDX-License-Identifier: GPL-3.0-or-later
// The design-file reader on arbitrary bytes, under a point and under a comma: it never crashes
// and never lets through a document the window could not hold, and every document it accepts
// is written and read back unchanged.
#include <QByteArray>
#include <cstdint>
#include <cstdio>

#include "core/DecimalSeparator.h"
#include "designfile/DesignJson.h"
#include "designfile/FieldTextRule.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

char separator = '.';
char chosenSeparator() {
    return separator;
}

void readUnder(char chosen, const QByteArray& bytes) {
    separator = chosen;
    const kelvarin::DesignReading reading = kelvarin::readDesignJson(bytes);
    check(reading.document.has_value() == reading.problem.isEmpty(),
          "a document together with a problem, or neither");
    if (!reading.document) {
        return;
    }
    const kelvarin::DesignDocument& document = *reading.document;
    check(document.section >= kelvarin::kFirstSection && document.section <= kelvarin::kLastSection,
          "a section outside the selector");
    for (const std::string& text : document.fieldTexts) {
        check(kelvarin::fieldTextProblem(text, chosen).empty(), "a text the fields refuse");
    }
    check(kelvarin::designTextsProblem(document).isEmpty(), "a document that cannot be saved");
    check(kelvarin::enginePowerCurveProblem(document.enginePowerCurve).text.empty(),
          "an engine power curve the analysis cannot use");
    const kelvarin::DesignReading again = kelvarin::readDesignJson(kelvarin::designJson(document));
    check(again.document.has_value() && *again.document == document,
          "a document that does not survive saving and opening");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvarin::setDecimalSeparatorSource(&chosenSeparator);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readUnder('.', bytes);
    readUnder(',', bytes);
    return 0;
}
