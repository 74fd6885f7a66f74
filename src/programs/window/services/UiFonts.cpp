// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/UiFonts.h"

#include <QStringList>

namespace kelvarin {

namespace {

QFont pixelFont(const QStringList& families, QFont::StyleHint hint, int pixels, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QStringList& sansFamilies() {
    static const QStringList families = {QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Noto Sans"), QStringLiteral("Sans Serif")};
    return families;
}

// The panel was laid out for a narrow 11-pixel face; the sans serifs with Cyrillic letters
// that a Linux desktop has run about a fifth wider, so they are set smaller to keep every
// caption inside its designed control. The monospace face keeps its size: its advance
// matches the designed one.
constexpr int kWindowPixels = 9;
constexpr int kFieldPixels = 12;
constexpr int kMonospacePixels = 13;

}  // namespace

QFont windowFont() {
    return pixelFont(sansFamilies(), QFont::SansSerif, kWindowPixels, false);
}

QFont fieldFont() {
    return pixelFont(sansFamilies(), QFont::SansSerif, kFieldPixels, true);
}

QFont monospaceBoldFont() {
    return pixelFont({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Noto Mono"), QStringLiteral("Monospace")},
                     QFont::TypeWriter, kMonospacePixels, true);
}

}  // namespace kelvarin
