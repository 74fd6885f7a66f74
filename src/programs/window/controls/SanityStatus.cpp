// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SanityStatus.h"

namespace kelvarin {

SanityStatus::SanityStatus(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("SanityLine"));
    setTextFormat(Qt::PlainText);
}

void SanityStatus::showFigures(const std::optional<SanityFigures>& figures) {
    warning_ = figures && tipTooFast(*figures);
    setText(QString::fromStdString(sanityLineText(figures)));
    // As rich text, so that the long explanation wraps instead of running off the screen.
    setToolTip(QStringLiteral("<p>%1</p>")
                   .arg(QString::fromStdString(sanityExplanation(figures)).toHtmlEscaped()));
    // Red and bold, readable on light and dark status bars alike.
    setStyleSheet(warning_ ? QStringLiteral("QLabel { color: #d01010; font-weight: bold; }")
                           : QString());
}

}  // namespace kelvarin
