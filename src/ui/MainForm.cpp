#include "ui/MainForm.h"

namespace kelvarin {

MainForm::MainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Расчет параметров воздушного винта"));
    setGeometry(314, 185, 713, 546);
}

}  // namespace kelvarin
