// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTableWidget>

#include "core/PropellerDesign.h"

namespace kelvarin {

// The station table a builder carves to (objectName StationTable): every station's radius,
// blade width, blade angle, chord, axial depth, section thickness and geometric pitch, in the
// window's language and the locale's numbers. The row of the section in the view is selected;
// a click on a section's row asks for that section. Ctrl+C and the context menu copy the table
// as tab-separated text, which a spreadsheet pastes into its columns.
class StationTableView : public QTableWidget {
    Q_OBJECT
public:
    explicit StationTableView(QWidget* parent = nullptr);

    void showDesign(const PropellerDesign& design);
    // Selects the section's row without asking for it again.
    void showSection(int section);
    // The whole table as tab-separated lines, the headings first.
    QString tabSeparatedText() const;
    // The rows the table asks room for; the rest scroll. All eleven unless set.
    int shownRows() const { return shownRows_; }
    void setShownRows(int rows);
    int defaultRowHeight() const;
    // Tall enough for the headings and the shown rows.
    QSize sizeHint() const override;

signals:
    void sectionChosen(int section);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copyToClipboard() const;

    int shownRows_;
};

}  // namespace kelvarin
