// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PasteRule.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace kelvarin {

namespace {

QString showableLine(QStringView line) {
    QString shown;
    shown.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            const char32_t point = QChar::surrogateToUcs4(c, line[i + 1]);
            if (QChar::category(point) != QChar::Other_Format) {
                shown += c;
                shown += line[i + 1];
            }
            ++i;
            continue;
        }
        switch (c.category()) {
            case QChar::Other_Surrogate:  // half a pair without its other half
            case QChar::Other_Format:
                break;
            case QChar::Other_Control:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                if (c != QLatin1Char('\r')) {
                    shown += QLatin1Char(' ');
                }
                break;
            default:
                shown += c;
        }
    }
    return shown;
}

}  // namespace

QString pastedText(const QString& clipboardText, qsizetype room) {
    if (room <= 0) {
        return {};
    }
    const qsizetype lineEnd = clipboardText.indexOf(QLatin1Char('\n'));
    QString line =
        showableLine(QStringView(clipboardText).left(lineEnd < 0 ? clipboardText.size() : lineEnd));
    if (line.size() <= room) {
        return line;
    }
    // Whether `room` is a boundary depends on the characters before it and the one at it, so a
    // huge paste needs no more than that looked at.
    const QString head = line.left(room + 2);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, head);
    graphemes.setPosition(room);
    if (!graphemes.isAtBoundary()) {
        graphemes.toPreviousBoundary();
    }
    return head.left(std::max<qsizetype>(graphemes.position(), 0));
}

}  // namespace kelvarin
