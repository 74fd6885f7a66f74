// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnginePowerEditor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

namespace kelvarin {

namespace {

// The user's separator or a point: a curve is typed by hand and pasted from elsewhere.
std::optional<double> cellNumber(const QTableWidgetItem* item) {
    const QString text = item ? item->text().trimmed() : QString();
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(text, &ok);
    }
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString cellText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 6);
}

}  // namespace

EnginePowerEditor::EnginePowerEditor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EnginePowerEditor"));
    useCurve_ = new QCheckBox(tr("Своя кривая мощности двигателя (иначе крутящий момент "
                                 "постоянен ниже номинальных оборотов)"),
                              this);
    useCurve_->setObjectName(QStringLiteral("CheckPowerCurve"));
    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("TablePowerCurve"));
    table_->setHorizontalHeaderLabels({tr("Обороты винта, об/мин"), tr("Мощность, л.с.")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setVisible(true);
    table_->setMaximumHeight(130);
    addRow_ = new QPushButton(tr("Добавить точку"), this);
    removeRow_ = new QPushButton(tr("Удалить точку"), this);
    apply_ = new QPushButton(tr("Применить"), this);
    apply_->setObjectName(QStringLiteral("ButApplyCurve"));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("LabCurveProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addRow_);
    buttons->addWidget(removeRow_);
    buttons->addWidget(apply_);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(table_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(useCurve_);
    layout->addLayout(row);
    layout->addWidget(problem_);

    const auto enableTable = [this] {
        const bool on = useCurve_->isChecked();
        table_->setEnabled(on);
        addRow_->setEnabled(on);
        removeRow_->setEnabled(on);
    };
    connect(useCurve_, &QCheckBox::toggled, this, [this, enableTable](bool on) {
        if (on && table_->rowCount() == 0 && ratedRpm_ > 0) {
            showRows({{ratedRpm_ / 2, ratedPowerHp_ / 2}, {ratedRpm_, ratedPowerHp_}});
        }
        enableTable();
    });
    connect(addRow_, &QPushButton::clicked, this,
            [this] { table_->insertRow(table_->rowCount()); });
    connect(removeRow_, &QPushButton::clicked, this, [this] {
        const int row = table_->currentRow() >= 0 ? table_->currentRow() : table_->rowCount() - 1;
        if (row >= 0) {
            table_->removeRow(row);
        }
    });
    connect(apply_, &QPushButton::clicked, this, &EnginePowerEditor::apply);
    enableTable();
}

void EnginePowerEditor::setRatedEngine(double rpm, double powerHp) {
    ratedRpm_ = rpm;
    ratedPowerHp_ = powerHp;
}

void EnginePowerEditor::setCurve(const EnginePowerCurve& curve) {
    curve_ = curve;
    problem_->clear();
    showRows(curve);
    useCurve_->setChecked(!curve.empty());
}

void EnginePowerEditor::showRows(const EnginePowerCurve& curve) {
    table_->setRowCount(0);
    for (const EnginePowerPoint& p : curve) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, new QTableWidgetItem(cellText(p.rpm)));
        table_->setItem(row, 1, new QTableWidgetItem(cellText(p.powerHp)));
    }
}

void EnginePowerEditor::apply() {
    EnginePowerCurve curve;
    if (useCurve_->isChecked()) {
        for (int row = 0; row < table_->rowCount(); ++row) {
            const QTableWidgetItem* rpmItem = table_->item(row, 0);
            const QTableWidgetItem* powerItem = table_->item(row, 1);
            const bool blank = (!rpmItem || rpmItem->text().trimmed().isEmpty()) &&
                               (!powerItem || powerItem->text().trimmed().isEmpty());
            if (blank) {
                continue;  // a row added and left empty
            }
            const std::optional<double> rpm = cellNumber(rpmItem);
            const std::optional<double> power = cellNumber(powerItem);
            if (!rpm || !power) {
                problem_->setText(
                    tr("Кривая мощности, строка %1: нужны два числа — обороты и мощность. "
                       "Действует прежняя кривая.")
                        .arg(row + 1));
                return;
            }
            curve.push_back({*rpm, *power});
        }
        if (curve.empty()) {
            problem_->setText(
                tr("В кривой мощности двигателя нет точек. Действует прежняя "
                   "кривая."));
            return;
        }
    }
    const EnginePowerCurveProblem problem = enginePowerCurveProblem(curve);
    if (!problem.text.empty()) {
        problem_->setText(QString::fromStdString(problem.text) + ' ' +
                          tr("Действует прежняя кривая."));
        return;
    }
    problem_->clear();
    if (curve != curve_) {
        curve_ = std::move(curve);
        emit curveChanged();
    }
}

}  // namespace kelvarin
