// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

#include "controls/PasteRule.h"
#include "controls/TypedCharacterRules.h"
#include "core/DecimalSeparator.h"

namespace kelvarin {

namespace {

bool isCtrlOnly(Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier;
}

// The editing shortcuts that typed control characters used to be, and so do nothing here.
// Redo goes with them: the field keeps one level of undo only through its context menu.
bool isRefusedShortcut(const QKeyEvent* event) {
    if (!isCtrlOnly(event->modifiers()) &&
        event->modifiers() != (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false;
    }
    switch (event->key()) {
        case Qt::Key_C:
        case Qt::Key_V:
        case Qt::Key_X:
        case Qt::Key_Z:
        case Qt::Key_Y:
            return true;
        default:
            return false;
    }
}

// A key that would put its text into the field (as QLineEdit itself decides it).
bool isTyping(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return false;
    }
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers != Qt::ControlModifier &&
           modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

QColor shadedFieldColour(const QPalette& palette) {
    // Midlight sits between the button face and white in light schemes; dark schemes and
    // schemes where it is white get a fixed light grey so that the two field colours differ.
    const QColor candidate = palette.color(QPalette::Active, QPalette::Midlight);
    if (candidate.lightness() >= 170 && candidate.lightness() <= 240) {
        return QColor(candidate.rgb());
    }
    return QColor(212, 212, 212);
}

NumericEdit::NumericEdit(FieldFilter filter, int typingLimit, QWidget* parent)
    : QLineEdit(parent), filter_(filter), typingLimit_(typingLimit) {
    // Drops, input methods and the like would bypass the filter and the limit.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    applyLook();
    fieldFont_ = font();
    connect(this, &QLineEdit::textChanged, this, &NumericEdit::fitTextToWidth);
}

int NumericEdit::widthToShow(const QString& text) const {
    return widthToShow(text, fieldFont_);
}

int NumericEdit::widthToShow(const QString& text, const QFont& font) const {
    // A line edit scrolls its text once the text, a pixel for the caret and a 2-pixel margin
    // on either side (Qt's own, not a style's) pass its contents less the text margins.
    constexpr int kInnerMargin = 2;
    constexpr int kCaret = 1;
    ensurePolished();
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    const QMargins margins = textMargins();
    const int chrome = panel.rect.width() - contents.width() + margins.left() + margins.right() +
                       2 * kInnerMargin + kCaret;
    return chrome + static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

void NumericEdit::fitTextToWidth() {
    // A step at a time down to a size where even the longest exponent form fits: half a point,
    // or a pixel for a font sized in pixels, as the window's are.
    constexpr double kSmallestPointSize = 5.0;
    constexpr int kSmallestPixelSize = 7;
    QFont fitted = fieldFont_;
    while (widthToShow(text(), fitted) > width()) {
        if (fitted.pixelSize() > kSmallestPixelSize) {
            fitted.setPixelSize(fitted.pixelSize() - 1);
        } else if (fitted.pixelSize() <= 0 && fitted.pointSizeF() - 0.5 >= kSmallestPointSize) {
            fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
        } else {
            break;
        }
    }
    if (fitted != font()) {
        fitting_ = true;
        setFont(fitted);
        fitting_ = false;
    }
}

void NumericEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !fitting_) {
        fieldFont_ = font();
        fitTextToWidth();
    }
}

void NumericEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitTextToWidth();
}

void NumericEdit::setShaded(bool shaded) {
    if (shaded_ != shaded) {
        shaded_ = shaded;
        applyLook();
    }
}

QColor NumericEdit::background() const {
    return shaded_ ? shadedFieldColour(palette()) : kWhiteField;
}

void NumericEdit::applyLook() {
    // A flat one-pixel frame; black text, as the background is always light.
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #7a7a7a; padding: 0px 1px; "
                                 "background-color: %1; color: #000000; }"
                                 "QLineEdit:disabled { color: #6d6d6d; }")
                      .arg(background().name()));
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    if (isRefusedShortcut(event)) {
        event->accept();
        return;
    }
    // Shift+Insert, the Paste key and the like paste as the context menu does; Ctrl+Shift+Insert
    // takes the X selection, as a line edit does under X11.
    if (event->matches(QKeySequence::Paste) || event->key() == Qt::Key_Paste ||
        (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)) {
        pasteUnfiltered(event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                            ? QClipboard::Selection
                            : QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (isTyping(event)) {
        if (!isReadOnly()) {
            for (QChar typed : event->text()) {
                typeCharacter(typed);
            }
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::typeCharacter(QChar typed) {
    std::optional<QChar> accepted;
    if (filter_ == FieldFilter::WholeNumber) {
        if (wholeNumberKeyAccepted(typed)) {
            accepted = typed;
        }
    } else {
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        accepted = decimalKeyResult(text(), caret, typed, QLatin1Char(kelvarin::decimalSeparator()),
                                    kMaxDecimals);
    }
    if (accepted) {
        insertWithinLimit(QString(*accepted));
    }
}

void NumericEdit::insertWithinLimit(const QString& inserted) {
    const auto kept = text().size() - selectedText().size();
    const QString piece = pastedText(inserted, typingLimit_ - kept);
    if (!piece.isEmpty()) {
        insert(piece);
    }
}

void NumericEdit::pasteUnfiltered(QClipboard::Mode mode) {
    QClipboard* clipboard = QApplication::clipboard();
    if (isReadOnly() || (mode == QClipboard::Selection && !clipboard->supportsSelection())) {
        return;
    }
    insertWithinLimit(clipboard->text(mode));
}

QMenu* NumericEdit::createContextMenu() {
    // The field's own menu: the editing shortcuts are gone, so it names none, and its Paste
    // keeps to the typing limit.
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const auto add = [menu](const char* name, const QString& text, bool enabled, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, menu->parentWidget(), slot);
        return action;
    };
    add("edit-undo", tr("Отменить"), editable && isUndoAvailable(), [this] { undo(); });
    menu->addSeparator();
    add("edit-cut", tr("Вырезать"), editable && selected, [this] { cut(); });
    add("edit-copy", tr("Копировать"), selected && echoMode() == Normal, [this] { copy(); });
    add("edit-paste", tr("Вставить"), editable && !QApplication::clipboard()->text().isEmpty(),
        [this] { pasteUnfiltered(); });
    add("edit-delete", tr("Удалить"), editable && selected, [this] { del(); });
    menu->addSeparator();
    add("select-all", tr("Выделить все"), !text().isEmpty(), [this] { selectAll(); });
    return menu;
}

void NumericEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NumericEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle-button paste of the X11 selection keeps to the limit too.
    if (event->button() == Qt::MiddleButton) {
        pasteUnfiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace kelvarin
