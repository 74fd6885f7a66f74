// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/ModelInfoPanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "model3d/Wood.h"

namespace kelvarin {

namespace {

// In the user's decimal separator, without grouping: "1517,0", as the main window writes.
QString number(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // What rounds to zero is shown as zero: "-0,00" would claim an offset that is not there.
    const bool roundsToZero = std::abs(value) < 0.5 * std::pow(10.0, -decimals);
    return locale.toString(roundsToZero ? 0.0 : value, 'f', decimals);
}

}  // namespace

ModelInfoPanel::ModelInfoPanel(QWidget* parent)
    : QWidget(parent),
      wood_(new QComboBox(this)),
      summary_(new QLabel(this)),
      stations_(new QTableWidget(this)),
      warning_(new QLabel(this)) {
    setObjectName(QStringLiteral("ModelInfoPanel"));
    wood_->setObjectName(QStringLiteral("Wood"));
    for (const WoodProperties& wood : kWoods) {
        wood_->addItem(QString::fromStdString(translatedText("kelvarin::Wood", wood.name)),
                       QString::fromUtf8(wood.key.data(), static_cast<qsizetype>(wood.key.size())));
    }
    connect(wood_, &QComboBox::currentIndexChanged, this,
            [this] { emit woodChanged(wood_->currentData().toString().toStdString()); });
    summary_->setObjectName(QStringLiteral("ModelSummary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stations_->setObjectName(QStringLiteral("StationStrength"));
    stations_->setColumnCount(5);
    stations_->setHorizontalHeaderLabels(
        {tr("Сечение"), tr("Сила, Н"), tr("Растяжение, МПа"), tr("Изгиб, МПа"), tr("Запас")});
    stations_->verticalHeader()->hide();
    stations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stations_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    warning_->setObjectName(QStringLiteral("StrengthWarning"));
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    warning_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Древесина:"), this));
    layout->addWidget(wood_);
    layout->addWidget(summary_);
    layout->addWidget(stations_, 1);
    layout->addWidget(warning_);
}

void ModelInfoPanel::setInfo(const ModelInfo& info, const std::string& woodKey,
                             const BladeLoad& load) {
    {
        const QSignalBlocker quiet(wood_);
        const int index = wood_->findData(QString::fromStdString(woodKey));
        wood_->setCurrentIndex(index >= 0 ? index : 0);
    }
    summary_->setText(
        tr("Заготовка: %1 × %2 × %3 мм\nОбъем: %4 см³\nПлотность: %5 кг/м³\nМасса: %6 кг\n"
           "Центр масс: %7; %8; %9 мм\nНагрузка: %10 об/мин, тяга %11 Н, момент %12 Н·м")
            .arg(number(info.lengthMm, 1), number(info.widthMm, 1), number(info.depthMm, 1),
                 number(info.volumeMm3 / 1000, 1), number(info.densityKgM3, 0),
                 number(info.massKg, 3), number(info.centreOfMassMm[0], 2),
                 number(info.centreOfMassMm[1], 2), number(info.centreOfMassMm[2], 2))
            .arg(number(load.rpm, 0), number(load.thrustN, 0), number(load.torqueNm, 1)));
    stations_->setRowCount(static_cast<int>(info.stations.size()));
    bool weak = false;
    for (int row = 0; row < stations_->rowCount(); ++row) {
        const StationStrength& s = info.stations[static_cast<std::size_t>(row)];
        const QStringList cells = {QString::number(s.station), number(s.centrifugalN, 0),
                                   number(s.tensileMPa, 2), number(s.bendingMPa, 2),
                                   number(s.safetyFactor, 1)};
        for (int column = 0; column < cells.size(); ++column) {
            stations_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        if (s.safetyFactor < kRecommendedSafetyFactor) {
            weak = true;
            stations_->item(row, 4)->setForeground(QColor(0xb0, 0, 0));
        }
    }
    warning_->setText(
        tr("Запас прочности ниже рекомендуемого для деревянных винтов (%1): винт может "
           "разрушиться. У корня запас снизится до %1 при %2 об/мин.")
            .arg(number(kRecommendedSafetyFactor, 0), number(info.rootLimitRpm, 0)));
    warning_->setVisible(weak);
    show();
}

bool ModelInfoPanel::warns() const {
    return !warning_->isHidden();
}

}  // namespace kelvarin
