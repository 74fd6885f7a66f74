// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainForm.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>
#include <utility>

#include "core/CalculationRun.h"
#include "report/DataReport.h"
#include "ui/AboutForm.h"
#include "ui/ArrowSelector.h"
#include "ui/DesktopShell.h"
#include "ui/HelpLocation.h"
#include "ui/MessageBoxes.h"
#include "ui/NumericEdit.h"
#include "ui/UiFonts.h"
#include "ui/ZoomSlider.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin {

namespace {

constexpr int kPanelHeight = 145;

QLabel* AddCaption(QWidget* panel, const char* name, const QString& text, QRect place) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

NumericEdit* AddField(QWidget* panel, const char* name, FieldFilter filter, int limit, QRect place,
                      const QString& hint) {
    auto* edit = new NumericEdit(filter, limit, panel);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(place);
    edit->setToolTip(hint);
    edit->setFont(FieldFont());
    return edit;
}

QCheckBox* AddCheck(QWidget* panel, const char* name, const QString& text, QRect place,
                    const QString& hint) {
    auto* check = new QCheckBox(text, panel);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(place);
    check->setToolTip(hint);
    return check;
}

QPushButton* AddButton(QWidget* panel, const char* name, const QString& text, QRect place,
                       const QString& hint) {
    auto* button = new QPushButton(text, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setToolTip(hint);
    // Enter on the focused button presses it; no button is the window's default.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

}  // namespace

MainForm::MainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Расчет параметров воздушного винта"));
    setFont(WindowFont());

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel_ = new QWidget(client);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFixedHeight(kPanelHeight);
    layout->addWidget(panel_);
    vzImageBox1_ = new ZoomableImageView(client);
    vzImageBox1_->setObjectName(QStringLiteral("VzImageBox1"));
    // Focus only from a mouse press in it, never by Tab.
    vzImageBox1_->setFocusPolicy(Qt::ClickFocus);
    // The box gives way down to nothing, so a small window never pushes it over the panel.
    vzImageBox1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(vzImageBox1_, 1);
    setCentralWidget(client);

    BuildPanel();
    WireHandlers();

    // The designed place and size: the frame's corner at (314, 185), the frame 713 × 546,
    // which leaves a client area of 705 × 512 inside a usual frame.
    resize(705, 512);
    move(314, 185);
    butRash_->setFocus();

    // The About window comes second, hidden until asked for.
    aboutForm_ = new AboutForm(services_.shell, this);
}

MainForm::~MainForm() = default;

void MainForm::BuildPanel() {
    QWidget* p = panel_;
    AddCaption(p, "Label5", QStringLiteral("Диаметр винта см"), {8, 9, 113, 25});
    editDv_ = AddField(p, "EditDv", FieldFilter::Decimal, 5, {136, 9, 49, 22},
                       QStringLiteral("Диаметр винта"));
    AddCaption(p, "Label6", QStringLiteral("Шаг винта"), {16, 37, 73, 25});
    editHv_ = AddField(p, "EditHv", FieldFilter::Decimal, 4, {136, 37, 49, 22},
                       QStringLiteral("Шаг винта"));
    AddCaption(p, "Label1", QStringLiteral("Мощность двигателя л/с"), {209, 8, 113, 33});
    editNd_ = AddField(p, "EditNd", FieldFilter::WholeNumber, 3, {329, 8, 33, 22},
                       QStringLiteral("Мощность двигателя"));
    AddCaption(p, "Label2", QStringLiteral("Частота вращения винта об/мин"), {201, 37, 113, 33});
    editNv_ = AddField(p, "EditNv", FieldFilter::WholeNumber, 5, {329, 37, 49, 22},
                       QStringLiteral("Частота вращения винта"));
    AddCaption(p, "Label3", QStringLiteral("Скорость максимал км/час"), {397, 8, 121, 33});
    editVm_ = AddField(p, "EditVm", FieldFilter::WholeNumber, 3, {525, 8, 33, 22},
                       QStringLiteral("Скорость максимальная"));
    AddCaption(p, "Label4", QStringLiteral("Скорость расчетная км/час"), {405, 37, 105, 33});
    editVr_ = AddField(p, "EditVr", FieldFilter::WholeNumber, 3, {525, 37, 33, 22},
                       QStringLiteral("Скорость расчетная"));
    for (InputField f : kInputFields) {
        Field(f)->setText(QString::fromStdString(startText(f)));
    }

    checkDiam_ = AddCheck(p, "CheckDiam", QStringLiteral("Расчет по диаметру винта"),
                          {16, 70, 161, 17}, QStringLiteral("Расчитать по диаметру винта"));
    checkManual_ = AddCheck(p, "CheckManual", QStringLiteral("Указать параметры винта "),
                            {16, 87, 169, 25}, QStringLiteral("Указать параметры винта вручную"));
    checkUgol_ = AddCheck(p, "CheckUgol", QStringLiteral("Профиль с углом"), {192, 70, 129, 17},
                          QStringLiteral("Показать профиль сечения лопасти под расчитанным углом"));
    checkControl_ = AddCheck(p, "CheckControl", QStringLiteral("Показывать контрольные точки"),
                             {192, 87, 185, 25}, QStringLiteral("Показать контрольные точки"));

    trackBar1_ = new ZoomSlider(p);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setGeometry(400, 80, 81, 17);
    trackBar1_->setToolTip(QStringLiteral("Изменить масштаб сеченияч"));

    labInfo_ = new QLabel(QStringLiteral("   "), p);
    labInfo_->setObjectName(QStringLiteral("LabInfo"));
    labInfo_->setFont(MonospaceBoldFont());
    labInfo_->move(16, 117);
    labInfo_->adjustSize();

    upDown1_ = new ArrowSelector(kFirstSection, kLastSection, kFirstSection, p);
    upDown1_->setObjectName(QStringLiteral("UpDown1"));
    upDown1_->setGeometry(400, 114, 81, 17);
    upDown1_->setToolTip(QStringLiteral("Выбор сечений профиля"));

    butClose_ = AddButton(p, "ButClose", QStringLiteral("Выход"), {600, 10, 80, 22},
                          QStringLiteral("Закрытие программы"));
    butHelp_ = AddButton(p, "ButHelp", QStringLiteral("Справка"), {600, 42, 80, 22},
                         QStringLiteral("Вывод справки"));
    butAbout_ = AddButton(p, "ButAbout", QStringLiteral("О программе"), {600, 74, 80, 22},
                          QStringLiteral("О программе"));
    butDate_ = AddButton(p, "ButDate", QStringLiteral("Данные"), {504, 75, 80, 22},
                         QStringLiteral("Показать расчетные данные"));
    butRash_ = AddButton(p, "ButRash", QStringLiteral("Расчет"), {504, 106, 80, 22},
                         QStringLiteral("Расчет параметров воздушного винта"));
    butPrint_ = AddButton(p, "ButPrint", QStringLiteral("Печать"), {600, 106, 80, 22},
                          QStringLiteral("Печать"));

    const QList<QWidget*> tabOrder = {
        butRash_, butPrint_, trackBar1_, checkUgol_,    editNd_,      editNv_,
        editVm_,  editVr_,   upDown1_,   checkControl_, checkManual_, checkDiam_,
        editDv_,  editHv_,   butAbout_,  butClose_,     butHelp_,     butDate_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    // The calculated mode, as the program starts.
    ManualCheck();
}

void MainForm::WireHandlers() {
    const auto on = [this](auto* sender, auto signal, void (MainForm::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    on(butRash_, &QPushButton::clicked, &MainForm::ButRashClick);
    on(butPrint_, &QPushButton::clicked, &MainForm::ButPrintClick);
    on(butDate_, &QPushButton::clicked, &MainForm::ButDateClick);
    on(butHelp_, &QPushButton::clicked, &MainForm::ButHelpClick);
    on(butAbout_, &QPushButton::clicked, &MainForm::ButAboutClick);
    on(butClose_, &QPushButton::clicked, &MainForm::ButCloseClick);
    // A check box's handler runs on every change of its state, by the user or by a handler.
    on(checkManual_, &QCheckBox::toggled, &MainForm::ManualCheck);
    on(checkDiam_, &QCheckBox::toggled, &MainForm::CheckDiamClick);
    on(checkUgol_, &QCheckBox::toggled, &MainForm::UgolCheck);
    on(checkControl_, &QCheckBox::toggled, &MainForm::ControlCheck);
    on(upDown1_, &ArrowSelector::Clicked, &MainForm::UpDown1Click);
    on(trackBar1_, &ZoomSlider::Changed, &MainForm::Track);
}

void MainForm::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        services_.messages.Critical(this, ErrorDisplayText(QString::fromUtf8(failure.what())));
    } catch (...) {
        services_.messages.Critical(this,
                                    ErrorDisplayText(QStringLiteral("Непредвиденная ошибка")));
    }
}

NumericEdit* MainForm::Field(InputField field) const {
    switch (field) {
        case InputField::Diameter:
            return editDv_;
        case InputField::Pitch:
            return editHv_;
        case InputField::Power:
            return editNd_;
        case InputField::PropellerSpeed:
            return editNv_;
        case InputField::MaxSpeed:
            return editVm_;
        case InputField::DesignSpeed:
            return editVr_;
    }
    return editDv_;
}

std::string MainForm::fieldText(InputField field) const {
    return Field(field)->text().toStdString();
}

void MainForm::setFieldText(InputField field, const std::string& text) {
    Field(field)->setText(QString::fromStdString(text));
}

FieldTexts MainForm::fieldTexts() const {
    FieldTexts texts;
    for (InputField f : kInputFields) {
        texts[fieldIndex(f)] = fieldText(f);
    }
    return texts;
}

InputMode MainForm::inputMode() const {
    if (checkManual_->isChecked()) {
        return InputMode::Manual;
    }
    return checkDiam_->isChecked() ? InputMode::ByDiameter : InputMode::Calculated;
}

void MainForm::showOutcomeInFields(const CalculationOutcome& outcome) {
    std::size_t written = 0;
    const auto writeUpTo = [&](std::size_t count) {
        for (; written < count; ++written) {
            const FieldWrite& w = outcome.fieldWrites[written];
            setFieldText(w.field, w.text);
        }
    };
    for (const FieldMessage& message : outcome.messages) {
        writeUpTo(message.writesBefore);
        services_.messages.Inform(this, QString::fromStdString(message.text));
    }
    writeUpTo(outcome.fieldWrites.size());
}

void MainForm::ButRashClick() {
    const InputMode mode = inputMode();
    CalculationOutcome outcome = runCalculation(fieldTexts(), mode, design_);
    showOutcomeInFields(outcome);
    design_ = std::move(outcome.design);
    if (!outcome.completed()) {
        return;
    }
    try {
        writeReport(design_, mode);
        showSelectedSection();
    } catch (...) {
        // Inside a calculation a failing report or section view ends it without a message.
    }
}

void MainForm::ButDateClick() {
    services_.shell.Open(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromUtf8(
        kReportFileName.data(), static_cast<qsizetype>(kReportFileName.size())))));
}

void MainForm::ButHelpClick() {
    services_.shell.Open(QUrl::fromLocalFile(HelpFilePath()));
}

void MainForm::ButAboutClick() {
    PlaceAboutForm();
    aboutForm_->ShowModal();
}

void MainForm::PlaceAboutForm() {
    aboutForm_->PlaceOver(*this);
}

void MainForm::ButCloseClick() {
    close();
}

}  // namespace kelvarin
