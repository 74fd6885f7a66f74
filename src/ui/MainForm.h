#pragma once

#include <QMainWindow>

namespace kelvarin {

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
};

}  // namespace kelvarin
