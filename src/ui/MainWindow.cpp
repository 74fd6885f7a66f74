// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>
#include <utility>

#include "core/CalculationRun.h"
#include "sanity/SanityLine.h"
#include "ui/AboutDialog.h"
#include "ui/ArrowSelector.h"
#include "ui/DesignDrop.h"
#include "ui/DesignSession.h"
#include "ui/DesktopShell.h"
#include "ui/FailureMessages.h"
#include "ui/FieldCaptions.h"
#include "ui/HelpLocation.h"
#include "ui/LanguageActions.h"
#include "ui/MainMenu.h"
#include "ui/MessageBoxes.h"
#include "ui/ModelActions.h"
#include "ui/NumericEdit.h"
#include "ui/PerformanceActions.h"
#include "ui/SanityStatus.h"
#include "ui/TemplateActions.h"
#include "ui/UiFonts.h"
#include "ui/ZoomSlider.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin {

namespace {

constexpr int kPanelHeight = 145;

QLabel* addCaption(QWidget* panel, const char* name, const QString& text, QRect place) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

NumericEdit* addField(QWidget* panel, const char* name, FieldFilter filter, int limit, QRect place,
                      const QString& hint) {
    auto* edit = new NumericEdit(filter, limit, panel);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(place);
    edit->setToolTip(hint);
    edit->setFont(fieldFont());
    return edit;
}

QCheckBox* addCheck(QWidget* panel, const char* name, const QString& text, QRect place,
                    const QString& hint) {
    auto* check = new QCheckBox(text, panel);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(place);
    check->setToolTip(hint);
    return check;
}

QPushButton* addButton(QWidget* panel, const char* name, const QString& text, QRect place,
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

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Расчет параметров воздушного винта"));
    setFont(windowFont());

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel_ = new QWidget(client);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFixedHeight(kPanelHeight);
    layout->addWidget(panel_);
    imageView_ = new ZoomableImageView(client);
    imageView_->setObjectName(QStringLiteral("VzImageBox1"));
    // Focus only from a mouse press in it, never by Tab.
    imageView_->setFocusPolicy(Qt::ClickFocus);
    // The view gives way down to nothing, so a small window never pushes it over the panel.
    imageView_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(imageView_, 1);
    setCentralWidget(client);

    buildPanel();
    buildMenuAndStatus();
    connectHandlers();

    // The designed place and size: the frame's corner at (314, 185), the frame 713 × 546,
    // which leaves a client area of 705 × 512 inside a usual frame for the panel and the view.
    // The menu bar above them and the status bar below add their own heights, so that the
    // view keeps its designed 705 × 367.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(705, menuHeight + 512 + statusBar()->sizeHint().height());
    move(314, 185);
    calculateButton_->setFocus();

    // The About window comes second, hidden until asked for.
    aboutDialog_ = new AboutDialog(services_.shell, this);

    // Save, print and preview the templates, and save the model: the same actions in the menu
    // bar and in the section view's context menu.
    templateActions_ = new TemplateActions([this]() -> const PropellerDesign& { return design_; },
                                           [this] { return sectionOptions_; }, services_.messages,
                                           this, &services_.settings);
    mainMenu_->addTemplateActions(templateActions_->actions());
    imageView_->setContextMenuPolicy(Qt::ActionsContextMenu);
    imageView_->addActions(templateActions_->actions());
    // The model, after a line: the same action as Файл → Сохранить модель….
    auto* modelSeparator = new QAction(imageView_);
    modelSeparator->setSeparator(true);
    imageView_->addActions({modelSeparator, modelActions_->saveAction()});
}

void MainWindow::buildMenuAndStatus() {
    mainMenu_ = new MainMenu(menuBar());
    sanityStatus_ = new SanityStatus(statusBar());
    statusBar()->addWidget(sanityStatus_, 1);
    session_ =
        new DesignSession(*this, services_.messages, services_.fileDialogs, services_.settings);
    mainMenu_->setRecentFiles(session_->recentFiles());
    modelActions_ =
        new ModelActions(*this, services_.messages, services_.fileDialogs, services_.settings);
    performanceActions_ = new PerformanceActions(*this, services_.settings);
    mainMenu_->addModelActions({modelActions_->saveAction()});
    mainMenu_->addPropellerActions({performanceActions_->showAction()});
    mainMenu_->addPropellerActions(
        {modelActions_->previewAction(), modelActions_->leftHandAction()});
    mainMenu_->addLanguageMenu(
        (new LanguageActions(*this, services_.messages, services_.settings))->menu());
    auto* drop = new DesignDrop(this);
    connect(drop, &DesignDrop::designDropped, session_, [this](const QString& path) {
        runGuarded([this, path] { session_->openFile(path); });
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanel() {
    QWidget* p = panel_;
    addCaption(p, "Label5", fieldCaption(InputField::Diameter), {8, 9, 113, 25});
    diameterEdit_ =
        addField(p, "EditDv", FieldFilter::Decimal, 5, {136, 9, 49, 22}, tr("Диаметр винта"));
    addCaption(p, "Label6", fieldCaption(InputField::Pitch), {16, 37, 73, 25});
    pitchEdit_ = addField(p, "EditHv", FieldFilter::Decimal, 4, {136, 37, 49, 22}, tr("Шаг винта"));
    addCaption(p, "Label1", fieldCaption(InputField::Power), {209, 8, 113, 33});
    powerEdit_ = addField(p, "EditNd", FieldFilter::WholeNumber, 3, {329, 8, 33, 22},
                          tr("Мощность двигателя"));
    addCaption(p, "Label2", fieldCaption(InputField::PropellerSpeed), {201, 37, 113, 33});
    propellerSpeedEdit_ = addField(p, "EditNv", FieldFilter::WholeNumber, 5, {329, 37, 49, 22},
                                   tr("Частота вращения винта"));
    addCaption(p, "Label3", fieldCaption(InputField::MaxSpeed), {397, 8, 121, 33});
    maxSpeedEdit_ = addField(p, "EditVm", FieldFilter::WholeNumber, 3, {525, 8, 33, 22},
                             tr("Скорость максимальная"));
    addCaption(p, "Label4", fieldCaption(InputField::DesignSpeed), {405, 37, 105, 33});
    designSpeedEdit_ = addField(p, "EditVr", FieldFilter::WholeNumber, 3, {525, 37, 33, 22},
                                tr("Скорость расчетная"));
    for (InputField f : kInputFields) {
        fieldEdit(f)->setText(QString::fromStdString(startText(f)));
    }

    byDiameterCheck_ = addCheck(p, "CheckDiam", tr("Расчет по диаметру винта"), {16, 70, 161, 17},
                                tr("Расчитать по диаметру винта"));
    manualCheck_ = addCheck(p, "CheckManual", tr("Указать параметры винта "), {16, 87, 169, 25},
                            tr("Указать параметры винта вручную"));
    turnedCheck_ = addCheck(p, "CheckUgol", tr("Профиль с углом"), {192, 70, 129, 17},
                            tr("Показать профиль сечения лопасти под расчитанным углом"));
    controlMarksCheck_ = addCheck(p, "CheckControl", tr("Показывать контрольные точки"),
                                  {192, 87, 185, 25}, tr("Показать контрольные точки"));

    zoomSlider_ = new ZoomSlider(p);
    zoomSlider_->setObjectName(QStringLiteral("TrackBar1"));
    zoomSlider_->setGeometry(400, 80, 81, 17);
    zoomSlider_->setToolTip(tr("Изменить масштаб сеченияч"));

    sectionCaption_ = new QLabel(QStringLiteral("   "), p);
    sectionCaption_->setObjectName(QStringLiteral("LabInfo"));
    sectionCaption_->setFont(monospaceBoldFont());
    sectionCaption_->move(16, 117);
    sectionCaption_->adjustSize();

    sectionSelector_ = new ArrowSelector(kFirstSection, kLastSection, kFirstSection, p);
    sectionSelector_->setObjectName(QStringLiteral("UpDown1"));
    sectionSelector_->setGeometry(400, 114, 81, 17);
    sectionSelector_->setToolTip(tr("Выбор сечений профиля"));

    exitButton_ =
        addButton(p, "ButClose", tr("Выход"), {600, 10, 80, 22}, tr("Закрытие программы"));
    helpButton_ = addButton(p, "ButHelp", tr("Справка"), {600, 42, 80, 22}, tr("Вывод справки"));
    aboutButton_ =
        addButton(p, "ButAbout", tr("О программе"), {600, 74, 80, 22}, tr("О программе"));
    reportButton_ =
        addButton(p, "ButDate", tr("Данные"), {504, 75, 80, 22}, tr("Показать расчетные данные"));
    calculateButton_ = addButton(p, "ButRash", tr("Расчет"), {504, 106, 80, 22},
                                 tr("Расчет параметров воздушного винта"));
    printButton_ = addButton(p, "ButPrint", tr("Печать"), {600, 106, 80, 22}, tr("Печать"));

    const QList<QWidget*> tabOrder = {calculateButton_,   printButton_,     zoomSlider_,
                                      turnedCheck_,       powerEdit_,       propellerSpeedEdit_,
                                      maxSpeedEdit_,      designSpeedEdit_, sectionSelector_,
                                      controlMarksCheck_, manualCheck_,     byDiameterCheck_,
                                      diameterEdit_,      pitchEdit_,       aboutButton_,
                                      exitButton_,        helpButton_,      reportButton_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    // The calculated mode, as the program starts.
    applyManualMode();
}

void MainWindow::connectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (MainWindow::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    on(calculateButton_, &QPushButton::clicked, &MainWindow::calculate);
    on(printButton_, &QPushButton::clicked, &MainWindow::print);
    on(reportButton_, &QPushButton::clicked, &MainWindow::showReport);
    on(helpButton_, &QPushButton::clicked, &MainWindow::showHelp);
    on(aboutButton_, &QPushButton::clicked, &MainWindow::showAbout);
    on(exitButton_, &QPushButton::clicked, &MainWindow::closeWindow);
    // A check box's handler runs on every change of its state, by the user or by a handler.
    on(manualCheck_, &QCheckBox::toggled, &MainWindow::applyManualMode);
    on(byDiameterCheck_, &QCheckBox::toggled, &MainWindow::applyDiameterMode);
    on(turnedCheck_, &QCheckBox::toggled, &MainWindow::updateTurned);
    on(controlMarksCheck_, &QCheckBox::toggled, &MainWindow::updateControlMarks);
    on(sectionSelector_, &ArrowSelector::positionChanged, &MainWindow::showSelectedSection);
    on(zoomSlider_, &ZoomSlider::zoomRequested, &MainWindow::applySliderZoom);

    on(mainMenu_->exitAction(), &QAction::triggered, &MainWindow::closeWindow);
    on(mainMenu_->helpAction(), &QAction::triggered, &MainWindow::showHelp);
    on(mainMenu_->aboutAction(), &QAction::triggered, &MainWindow::showAbout);
    // Each with a lambda of its own: with a pointer to a member function captured beside
    // `this`, GCC 12's UBSan checks the closure as if it were the window.
    connect(mainMenu_->openAction(), &QAction::triggered, this,
            [this] { runGuarded([this] { session_->open(); }); });
    connect(mainMenu_->saveAction(), &QAction::triggered, this,
            [this] { runGuarded([this] { session_->save(); }); });
    connect(mainMenu_->saveAsAction(), &QAction::triggered, this,
            [this] { runGuarded([this] { session_->saveAs(); }); });
    connect(mainMenu_, &MainMenu::recentFileChosen, this, [this](const QString& path) {
        runGuarded([this, path] { session_->openFile(path); });
    });
    connect(session_, &DesignSession::recentFilesChanged, mainMenu_, &MainMenu::setRecentFiles);

    // Whatever the design file keeps, changed by the user or by a calculation.
    for (InputField f : kInputFields) {
        connect(fieldEdit(f), &QLineEdit::textChanged, this, &MainWindow::designEdited);
    }
    for (QCheckBox* check : {byDiameterCheck_, manualCheck_, turnedCheck_, controlMarksCheck_}) {
        connect(check, &QCheckBox::toggled, this, &MainWindow::designEdited);
    }
    connect(sectionSelector_, &ArrowSelector::positionChanged, this, &MainWindow::designEdited);
    connect(this, &MainWindow::designEdited, session_, &DesignSession::refreshTitle);
    connect(this, &MainWindow::calculationCompleted, modelActions_, &ModelActions::setDesign);
    connect(this, &MainWindow::calculationCompleted, performanceActions_,
            &PerformanceActions::follow);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        services_.messages.critical(this, errorDisplayText(failureText(failure)));
    } catch (...) {
        services_.messages.critical(this, errorDisplayText(tr("Непредвиденная ошибка")));
    }
}

NumericEdit* MainWindow::fieldEdit(InputField field) const {
    switch (field) {
        case InputField::Diameter:
            return diameterEdit_;
        case InputField::Pitch:
            return pitchEdit_;
        case InputField::Power:
            return powerEdit_;
        case InputField::PropellerSpeed:
            return propellerSpeedEdit_;
        case InputField::MaxSpeed:
            return maxSpeedEdit_;
        case InputField::DesignSpeed:
            return designSpeedEdit_;
    }
    return diameterEdit_;
}

std::string MainWindow::fieldText(InputField field) const {
    return fieldEdit(field)->text().toStdString();
}

void MainWindow::setFieldText(InputField field, const std::string& text) {
    fieldEdit(field)->setText(QString::fromStdString(text));
}

FieldTexts MainWindow::fieldTexts() const {
    FieldTexts texts;
    for (InputField f : kInputFields) {
        texts[fieldIndex(f)] = fieldText(f);
    }
    return texts;
}

InputMode MainWindow::inputMode() const {
    if (manualCheck_->isChecked()) {
        return InputMode::Manual;
    }
    return byDiameterCheck_->isChecked() ? InputMode::ByDiameter : InputMode::Calculated;
}

void MainWindow::showOutcomeInFields(const CalculationOutcome& outcome) {
    std::size_t written = 0;
    const auto writeUpTo = [&](std::size_t count) {
        for (; written < count; ++written) {
            const FieldWrite& w = outcome.fieldWrites[written];
            setFieldText(w.field, w.text);
        }
    };
    for (const FieldMessage& message : outcome.messages) {
        writeUpTo(message.writesBefore);
        services_.messages.inform(this, QString::fromStdString(message.text));
    }
    writeUpTo(outcome.fieldWrites.size());
}

void MainWindow::calculate() {
    // The report and the section view follow a completed run only; what stopped them is said
    // in one message after both, so that the view is up to date behind it.
    try {
        const InputMode mode = inputMode();
        CalculationOutcome outcome = runCalculation(fieldTexts(), mode, design_);
        showOutcomeInFields(outcome);
        design_ = outcome.design;
        if (outcome.end == RunEnd::NotANumber && outcome.notANumberField) {
            const InputField field = *outcome.notANumberField;
            showNotANumber(field, outcome.fieldTexts[fieldIndex(field)]);
        }
        if (outcome.end == RunEnd::ArithmeticFault) {
            // A pasted negative number can make a root negative: the shown results are stale.
            services_.messages.inform(this, arithmeticFaultMessage(outcome.failure));
        }
        if (outcome.completed()) {
            sanityStatus_->showFigures(sanityFigures(design_, mode, outcome.fieldTexts));
            emit calculationCompleted(design_, mode, outcome.fieldTexts);
            QStringList failures;
            if (auto failure = report_.write(design_, mode, reportFilePath())) {
                failures << *failure;
            }
            try {
                showSelectedSection();
            } catch (const std::exception& e) {
                failures << errorDisplayText(failureText(e));
            } catch (...) {
                failures << errorDisplayText(tr("Непредвиденная ошибка"));
            }
            if (!failures.isEmpty()) {
                services_.messages.critical(this, failures.join(QStringLiteral("\n\n")));
            }
        }
    } catch (...) {
        // Whatever else breaks the run ends it silently, keeping what was shown before.
    }
}

void MainWindow::showNotANumber(InputField field, const std::string& text) {
    services_.messages.inform(this, notANumberMessage(field, QString::fromStdString(text)));
    NumericEdit* edit = fieldEdit(field);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void MainWindow::showReport() {
    const QString path = reportFilePath();
    if (const auto reason = report_.reasonNotToOpen(path)) {
        services_.messages.critical(this, *reason);
        return;
    }
    services_.shell.open(QUrl::fromLocalFile(path));
}

void MainWindow::showHelp() {
    services_.shell.open(QUrl::fromLocalFile(
        helpFilePath(helpFileName(runningLanguage() == ProgramLanguage::English))));
}

void MainWindow::showAbout() {
    placeAboutDialog();
    aboutDialog_->showModal();
}

void MainWindow::placeAboutDialog() {
    aboutDialog_->placeOver(*this);
}

void MainWindow::closeWindow() {
    close();
}

}  // namespace kelvarin
