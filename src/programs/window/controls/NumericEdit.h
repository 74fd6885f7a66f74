// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QLineEdit>

class QMenu;

namespace kelvarin {

enum class FieldFilter { WholeNumber, Decimal };

// One of the six input fields. Typed characters pass the field's key filter; Ctrl+C, Ctrl+V,
// Ctrl+X and Ctrl+Z do nothing (they were control characters that the filter refuses), while
// the context menu still cuts, copies and pastes. Every paste (the menu, the middle button,
// Shift+Insert and the other paste keys) goes through one rule, pastedText; drops are refused.
// The typing limit holds for what the user types or pastes but never for what the program
// writes, so a long result is shown whole.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    NumericEdit(FieldFilter filter, int typingLimit, QWidget* parent = nullptr);

    int typingLimit() const { return typingLimit_; }
    // The width at which the field shows `text` whole, without scrolling it, in its font and
    // frame.
    int widthToShow(const QString& text) const;
    // The font the field was given; the one it shows is smaller while a result too long for the
    // field (an exponent form from absurd inputs) would otherwise scroll out of sight.
    QFont fieldFont() const { return fieldFont_; }

    // The field's background: white, or the shaded colour of an inactive field.
    void setShaded(bool shaded);
    bool isShaded() const { return shaded_; }
    QColor background() const;

    // Paste as the context menu does: unfiltered, cut to what the typing limit leaves room for.
    void pasteUnfiltered(QClipboard::Mode mode = QClipboard::Clipboard);

    // The context menu, with its Paste going through PasteUnfiltered.
    QMenu* createContextMenu();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void typeCharacter(QChar typed);
    void insertWithinLimit(const QString& text);
    void applyLook();
    int widthToShow(const QString& text, const QFont& font) const;
    void fitTextToWidth();

    FieldFilter filter_;
    int typingLimit_;
    bool shaded_ = false;
    QFont fieldFont_;
    bool fitting_ = false;
};

// The colour of a shaded field: a light neutral colour from the palette, never white.
QColor shadedFieldColour(const QPalette& palette);
inline const QColor kWhiteField{255, 255, 255};

}  // namespace kelvarin
