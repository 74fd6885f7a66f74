// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StationTableView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "core/BladeTables.h"
#include "core/NumberFormat.h"
#include "core/StationFigures.h"

namespace kelvarin {

namespace {

QString number(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, 18, decimals));
}

}  // namespace

StationTableView::StationTableView(QWidget* parent)
    : QTableWidget(parent), shownRows_(static_cast<int>(kStationCount)) {
    setObjectName(QStringLiteral("StationTable"));
    setColumnCount(8);
    setRowCount(static_cast<int>(kStationCount));
    setHorizontalHeaderLabels({tr("Сечение"), tr("r, см"), tr("Ширина b, см"), tr("Угол, °"),
                               tr("Хорда, см"), tr("Глубина h, см"), tr("Толщина, мм"),
                               tr("Шаг, м")});
    horizontalHeaderItem(7)->setToolTip(
        tr("Геометрический шаг сечения: 2πr·tg угла, путь сечения за оборот по винтовой линии"));
    verticalHeader()->hide();
    // Rows as close as a spreadsheet's, so that many show under the view.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* copy = new QAction(tr("Копировать таблицу"), this);
    copy->setObjectName(QStringLiteral("ActionCopyStations"));
    connect(copy, &QAction::triggered, this, &StationTableView::copyToClipboard);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        const int station = row + kFirstStation;
        if (station >= kFirstSection && station <= kLastSection) {
            emit sectionChosen(station);
        }
    });
}

void StationTableView::showDesign(const PropellerDesign& design) {
    for (const StationFigures& f : stationFigures(design)) {
        const QStringList cells = {QString::number(f.station),
                                   number(f.radiusCm, 1),
                                   number(f.bladeWidthCm, 1),
                                   number(f.bladeAngleDeg, 1),
                                   number(f.chordCm, 1),
                                   number(f.axialDepthCm, 1),
                                   f.thicknessMm ? number(*f.thicknessMm, 1) : QStringLiteral("—"),
                                   number(f.geometricPitchM, 2)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(f.station - kFirstStation, column, cell);
        }
    }
}

void StationTableView::setShownRows(int rows) {
    shownRows_ = std::clamp(rows, 0, rowCount());
    updateGeometry();
}

int StationTableView::defaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

QSize StationTableView::sizeHint() const {
    const int rows = defaultRowHeight() * shownRows_;
    return {QTableWidget::sizeHint().width(),
            horizontalHeader()->sizeHint().height() + rows + 2 * frameWidth()};
}

void StationTableView::showSection(int section) {
    const QSignalBlocker quiet(this);
    selectRow(section - kFirstStation);
}

QString StationTableView::tabSeparatedText() const {
    QStringList lines;
    QStringList headings;
    for (int column = 0; column < columnCount(); ++column) {
        headings << horizontalHeaderItem(column)->text();
    }
    lines << headings.join(QLatin1Char('\t'));
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            cells << (cell != nullptr ? cell->text() : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void StationTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void StationTableView::copyToClipboard() const {
    QApplication::clipboard()->setText(tabSeparatedText());
}

}  // namespace kelvarin
