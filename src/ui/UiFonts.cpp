#include "ui/UiFonts.h"

#include <QStringList>

namespace kelvarin {

namespace {

QFont PixelFont(const QStringList& families, QFont::StyleHint hint, int pixels, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QStringList& SansFamilies() {
    static const QStringList families = {QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Noto Sans"), QStringLiteral("Sans Serif")};
    return families;
}

}  // namespace

QFont WindowFont() {
    return PixelFont(SansFamilies(), QFont::SansSerif, 11, false);
}

QFont FieldFont() {
    return PixelFont(SansFamilies(), QFont::SansSerif, 13, true);
}

QFont MonospaceBoldFont() {
    return PixelFont({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Noto Mono"), QStringLiteral("Monospace")},
                     QFont::TypeWriter, 13, true);
}

}  // namespace kelvarin
