// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/EnginePowerCurve.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvarin {

// A small editor of the engine's power at other rpm: either constant torque below the rated rpm
// (no curve), or a table of rpm and power the user fills in and applies. A curve that cannot be
// used is refused in words under the table and the one in force stays.
class EnginePowerEditor : public QWidget {
    Q_OBJECT

public:
    explicit EnginePowerEditor(QWidget* parent = nullptr);

    // The curve in force; empty for constant torque.
    const EnginePowerCurve& curve() const { return curve_; }
    // Shows and puts in force a curve already checked (from a design), without a signal.
    void setCurve(const EnginePowerCurve& curve);
    // The rated engine, from which a new table starts: a point at half the rpm and the rated one.
    void setRatedEngine(double rpm, double powerHp);

signals:
    // The user applied another usable curve (or went back to constant torque).
    void curveChanged();

private:
    void apply();
    void showRows(const EnginePowerCurve& curve);

    EnginePowerCurve curve_;
    double ratedRpm_ = 0;
    double ratedPowerHp_ = 0;
    QCheckBox* useCurve_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* addRow_ = nullptr;
    QPushButton* removeRow_ = nullptr;
    QPushButton* apply_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace kelvarin
