// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/HubDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model3d/ModelOptionsCheck.h"

namespace kelvarin {

HubDialog::HubDialog(const ModelOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
    setWindowTitle(tr("Ступица"));
    setObjectName(QStringLiteral("HubDialog"));
    auto* form = new QFormLayout;
    const auto add = [&](QWidget* field, const QString& label) { form->addRow(label, field); };

    const auto size = [&](const char* name, double value, double minimum, double maximum) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setDecimals(1);
        box->setRange(minimum, maximum);
        box->setSuffix(tr(" мм"));
        box->setValue(value);
        return box;
    };
    const HubOptions& hub = options.hub;
    diameter_ = size("HubDiameter", hub.diameterMm, 0, kMaxHubSizeMm);
    diameter_->setSpecialValueText(tr("по корню лопасти"));
    add(diameter_, tr("Диаметр ступицы:"));
    thickness_ = size("HubThickness", hub.thicknessMm, 0, kMaxHubSizeMm);
    thickness_->setSpecialValueText(tr("по корню лопасти"));
    add(thickness_, tr("Толщина ступицы:"));
    bore_ = size("Bore", hub.boreMm, 0, kMaxHubSizeMm);
    bore_->setSpecialValueText(tr("без отверстия"));
    add(bore_, tr("Центральное отверстие:"));
    boltCircle_ = size("BoltCircle", hub.boltCircleMm, 0, kMaxHubSizeMm);
    add(boltCircle_, tr("Окружность болтов:"));
    holes_ = new QSpinBox(this);
    holes_->setObjectName(QStringLiteral("HoleCount"));
    holes_->setRange(kMinHoleCount, kMaxHoleCount);
    holes_->setSpecialValueText(tr("без отверстий"));
    holes_->setValue(hub.holeCount);
    add(holes_, tr("Число отверстий под болты:"));
    hole_ = size("HoleDiameter", hub.holeMm, 0, kMaxHubSizeMm);
    add(hole_, tr("Диаметр отверстий под болты:"));
    fillet_ = size("Fillet", hub.filletMm, 0, kMaxHubSizeMm);
    fillet_->setSpecialValueText(tr("без скругления"));
    add(fillet_, tr("Скругление лопасти у ступицы:"));
    trailingEdge_ =
        size("TrailingEdge", options.trailingEdgeMm, kMinTrailingEdgeMm, kMaxTrailingEdgeMm);
    add(trailingEdge_, tr("Толщина задней кромки не меньше:"));

    auto* note =
        new QLabel(tr("По умолчанию ступица подходит к распространенному фланцу редуктора малых "
                      "двухтактных двигателей: отверстие 40 мм, 6 болтов M8 на окружности 75 мм."),
                   this);
    note->setWordWrap(true);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("HubProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("ОК"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &HubDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

ModelOptions HubDialog::options() const {
    ModelOptions options = options_;
    options.hub.diameterMm = diameter_->value();
    options.hub.thicknessMm = thickness_->value();
    options.hub.boreMm = bore_->value();
    options.hub.boltCircleMm = boltCircle_->value();
    options.hub.holeCount = holes_->value();
    options.hub.holeMm = hole_->value();
    options.hub.filletMm = fillet_->value();
    options.trailingEdgeMm = trailingEdge_->value();
    return options;
}

QString HubDialog::problem() const {
    return problem_->isHidden() ? QString() : problem_->text();
}

void HubDialog::accept() {
    const std::string problem = modelOptionsProblem(options());
    if (!problem.empty()) {
        problem_->setText(QString::fromStdString(problem));
        problem_->show();
        return;
    }
    problem_->clear();
    problem_->hide();
    QDialog::accept();
}

}  // namespace kelvarin
