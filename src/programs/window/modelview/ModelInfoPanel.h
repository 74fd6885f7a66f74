// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "model3d/ModelInfo.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace kelvarin {

// Beside the 3D view: the blank, volume, mass and centre of mass of the solid, the wood they
// are for (a choice), and the blade's strength at each station with a warning below the
// factor recommended for wooden propellers.
class ModelInfoPanel : public QWidget {
    Q_OBJECT

public:
    explicit ModelInfoPanel(QWidget* parent = nullptr);

    // Shows `info`, computed for the wood `woodKey` (a key of kWoods) at `load`.
    void setInfo(const ModelInfo& info, const std::string& woodKey, const BladeLoad& load);

    // Whether the strength falls below the recommended factor anywhere.
    bool warns() const;

signals:
    // The user chose another wood; the caller describes the solid again for it.
    void woodChanged(const std::string& woodKey);

private:
    QComboBox* wood_;
    QLabel* summary_;
    QTableWidget* stations_;
    QLabel* warning_;
};

}  // namespace kelvarin
