// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "actions/LanguageActions.h"
#include "actions/ModelActions.h"
#include "actions/PerformanceActions.h"
#include "actions/TemplateActions.h"
#include "controls/ArrowSelector.h"
#include "controls/FieldWidths.h"
#include "controls/NumericEdit.h"
#include "controls/SanityStatus.h"
#include "controls/StationTableView.h"
#include "controls/ZoomSlider.h"
#include "core/BladeAngleRule.h"
#include "core/BladePitchNote.h"
#include "core/CalculationRun.h"
#include "core/SanityLine.h"
#include "designmodel/DesignModel.h"
#include "designmodel/DesignSession.h"
#include "mainwindow/AboutDialog.h"
#include "mainwindow/DesignDrop.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/WindowPlacement.h"
#include "services/DesktopShell.h"
#include "services/FailureMessages.h"
#include "services/FieldCaptions.h"
#include "services/HelpLocation.h"
#include "services/MessageBoxes.h"
#include "services/UiFonts.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin {

namespace {

constexpr int kPanelHeight = 145;
// The window's height at its designed size with the station table docked, logical pixels;
// the table shows no fewer rows than kMinStationRows even where that makes it taller.
constexpr int kDefaultHeight = 700;
constexpr int kMinStationRows = 4;
// A desktop's usual title bar and borders: the real frame is known only once the window
// manager has framed the window.
constexpr QSize kFrameAllowance(8, 34);
// White room around the section, logical pixels at every zoom: more than a control mark
// across, so that neither the trailing edge nor its mark meets the view's frame.
constexpr int kSectionMargin = 12;

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
    : QMainWindow(parent), services_(services), model_(new DesignModel(this)) {
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
    imageView_->pictureWidget()->setMarginColor(Qt::white);
    imageView_->setPictureMargin(kSectionMargin);
    layout->addWidget(imageView_, 1);
    setCentralWidget(client);

    buildPanel();
    buildMenuAndStatus();
    buildStationDock();
    connectHandlers();
    connectModel();

    // The designed place and size: the frame's corner at (314, 185), the frame 713 × 546,
    // which leaves a client area of 705 × 512 inside a usual frame for the panel and the view.
    // The menu bar above them and the status bar below add their own heights, so that the
    // view keeps its designed 705 × 367. The station table below gets the rows that
    // kDefaultHeight leaves, and scrolls to the others, so that the window with its frame
    // fits a screen 768 pixels high beside a desktop panel; where it still does not, it is
    // moved up from its designed place rather than run off the screen.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    const int designedHeight = menuHeight + 512 + statusBar()->sizeHint().height();
    // Measured with some rows: a table with none is held at its scroll area's minimum height.
    stationTable_->setShownRows(kMinStationRows);
    const int spareHeight = kDefaultHeight - designedHeight - stationDockSpace();
    stationTable_->setShownRows(kMinStationRows +
                                std::max(spareHeight, 0) / stationTable_->defaultRowHeight());
    resize(705, designedHeight + stationDockSpace());
    move(placeWithin(QPoint(314, 185), size() + kFrameAllowance, screen()->availableGeometry()));
    calculateButton_->setFocus();
    session_->refreshTitle();

    // The About window comes second, hidden until asked for.
    aboutDialog_ = new AboutDialog(services_.shell, this);

    // Save, print and preview the templates, and save the model: the same actions in the menu
    // bar and in the section view's context menu.
    templateActions_ = new TemplateActions(*model_, services_.messages, this, &services_.settings);
    templateActions_->setDesignName([this] { return QFileInfo(session_->filePath()).fileName(); });
    mainMenu_->addTemplateActions(templateActions_->actions());
    imageView_->setContextMenuPolicy(Qt::ActionsContextMenu);
    imageView_->addActions(templateActions_->actions());
    // The model, after a line: the same action as Файл → Сохранить модель….
    auto* modelSeparator = new QAction(imageView_);
    modelSeparator->setSeparator(true);
    imageView_->addActions({modelSeparator, modelActions_->saveAction()});
}

void MainWindow::buildStationDock() {
    // Below the view, the figures a builder carves to; the dock can be closed, floated or
    // resized, and comes back from the Винт menu.
    stationTable_ = new StationTableView;
    auto* dock = new QDockWidget(tr("Таблица сечений"), this);
    dock->setObjectName(QStringLiteral("StationDock"));
    dock->setWidget(stationTable_);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    mainMenu_->addPropellerActions({dock->toggleViewAction()});
    connect(stationTable_, &StationTableView::sectionChosen, this, [this](int section) {
        sectionSelector_->step(section - sectionSelector_->position());
    });
}

int MainWindow::stationDockSpace() const {
    const auto* dock = findChild<QDockWidget*>(QStringLiteral("StationDock"));
    if (dock == nullptr || dock->isFloating() || dock->isHidden()) {
        return 0;
    }
    return dock->sizeHint().height() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
}

void MainWindow::buildBladeAngleMenu() {
    auto* menu = new QMenu(tr("&Углы лопасти"), this);
    menu->setObjectName(QStringLiteral("MenuBladeAngles"));
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    for (BladeAngleRule rule : kBladeAngleRules) {
        QAction* action = menu->addAction(QString::fromStdString(bladeAngleRuleCaption(rule)));
        action->setObjectName(QStringLiteral("ActionBladeAngles_%1")
                                  .arg(QLatin1String(bladeAngleRuleKey(rule).data(),
                                                     bladeAngleRuleKey(rule).size())));
        action->setCheckable(true);
        action->setData(static_cast<int>(rule));
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, rule] { runGuarded([this, rule] { model_->setBladeAngleRule(rule); }); });
    }
    bladeAngleActions_ = group;
    mainMenu_->addPropellerActions({menu->menuAction()});
    showBladeAngleRule();
}

void MainWindow::showBladeAngleRule() {
    for (QAction* action : bladeAngleActions_->actions()) {
        action->setChecked(action->data().toInt() ==
                           static_cast<int>(model_->document().bladeAngleRule));
    }
}

void MainWindow::buildMenuAndStatus() {
    mainMenu_ = new MainMenu(menuBar());
    sanityStatus_ = new SanityStatus(statusBar());
    statusBar()->addWidget(sanityStatus_, 1);
    bladePitchNote_ = new QLabel(statusBar());
    bladePitchNote_->setObjectName(QStringLiteral("BladePitchNote"));
    bladePitchNote_->setToolTip(
        tr("Шаг, который несут углы лопасти на 0,75 радиуса, рядом с шагом в поле «Шаг винта»: "
           "правило углов выбирается в меню Винт → Углы лопасти"));
    statusBar()->addPermanentWidget(bladePitchNote_);
    session_ = new DesignSession(*model_, *this, services_.messages, services_.fileDialogs,
                                 services_.settings);
    mainMenu_->setRecentFiles(session_->recentFiles());
    modelActions_ = new ModelActions(*model_, *this, services_.messages, services_.fileDialogs,
                                     services_.settings);
    performanceActions_ =
        new PerformanceActions(*model_, *this, services_.settings, services_.messages);
    mainMenu_->addModelActions({modelActions_->saveAction()});
    mainMenu_->addPropellerActions({performanceActions_->showAction()});
    mainMenu_->addPropellerActions({modelActions_->previewAction(), modelActions_->leftHandAction(),
                                    modelActions_->hubAction()});
    buildBladeAngleMenu();
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
    // A field narrower than its widest number grows into the room the panel leaves on its
    // right, since a clipped number reads as another one; fields designed alike, one above the
    // other, grow alike.
    std::array<int, kInputFieldCount> widths{};
    for (InputField f : kInputFields) {
        NumericEdit* edit = fieldEdit(f);
        edit->setText(QString::fromStdString(startText(f)));
        widths[fieldIndex(f)] = std::max(edit->width(), edit->widthToShow(widestFieldText(f)));
    }
    for (InputField f : kInputFields) {
        for (InputField other : kInputFields) {
            if (fieldEdit(other)->x() == fieldEdit(f)->x() &&
                fieldEdit(other)->width() == fieldEdit(f)->width()) {
                widths[fieldIndex(f)] = std::max(widths[fieldIndex(f)], widths[fieldIndex(other)]);
            }
        }
    }
    for (InputField f : kInputFields) {
        fieldEdit(f)->resize(widths[fieldIndex(f)], fieldEdit(f)->height());
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
    on(sectionSelector_, &ArrowSelector::positionChanged, &MainWindow::selectSection);
    on(zoomSlider_, &ZoomSlider::zoomRequested, &MainWindow::applySliderZoom);
    // Ctrl+wheel and the keys zoom the view itself: the slider shows where it went, without
    // handing the value back.
    connect(imageView_, &ZoomableImageView::zoomChanged, this, [this](int percent) {
        zoomPercent_ = percent;
        const QSignalBlocker quiet(zoomSlider_);
        zoomSlider_->setPosition(percent);
    });

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
}

void MainWindow::connectModel() {
    // The controls edit the model: each change of a field or a mode check box (the view's
    // controls through their handlers).
    for (InputField f : kInputFields) {
        connect(fieldEdit(f), &QLineEdit::textChanged, model_,
                [this, f](const QString& text) { model_->setFieldText(f, text.toStdString()); });
    }
    for (QCheckBox* check : {byDiameterCheck_, manualCheck_}) {
        connect(check, &QCheckBox::toggled, this, [this] { pushModeChecks(); });
    }
    // The start state of the controls is the model's first document.
    pushModeChecks();
    for (InputField f : kInputFields) {
        model_->setFieldText(f, fieldText(f));
    }
    model_->setSection(sectionSelector_->position());

    // The model's changes reach the controls, and a calculation's messages the user.
    connect(model_, &DesignModel::fieldTextChanged, this, &MainWindow::showFieldText);
    connect(model_, &DesignModel::documentReplaced, this, &MainWindow::showDocument);
    connect(model_, &DesignModel::messageArose, this,
            [this](const QString& text) { services_.messages.inform(this, text); });
    connect(model_, &DesignModel::notANumber, this, &MainWindow::showNotANumber);
    // A result beyond range ends the run: the shown results are stale.
    connect(model_, &DesignModel::arithmeticFault, this, [this](const QString& failure) {
        services_.messages.inform(this, arithmeticFaultMessage(failure.toStdString()));
    });
    // In this order after a calculation: the status line, the performance window, then the
    // report and the section, whose failures come last in one message.
    connect(model_, &DesignModel::calculated, sanityStatus_, [this] {
        sanityStatus_->showFigures(sanityFigures(model_->calculatedDesign(), model_->engine()));
        bladePitchNote_->setText(
            QString::fromStdString(bladePitchNote(model_->calculatedDesign())));
    });
    connect(model_, &DesignModel::matchFailed, this,
            [this](const QString& reason) { services_.messages.inform(this, reason); });
    connect(model_, &DesignModel::documentReplaced, this, &MainWindow::showBladeAngleRule);
    connect(model_, &DesignModel::documentReplaced, performanceActions_,
            &PerformanceActions::followDocument);
    connect(model_, &DesignModel::calculated, performanceActions_,
            &PerformanceActions::followCalculation);
    connect(model_, &DesignModel::calculated, stationTable_,
            [this] { stationTable_->showDesign(model_->calculatedDesign()); });
    connect(model_, &DesignModel::calculated, this, &MainWindow::followCalculation);
    connect(model_, &DesignModel::edited, session_, &DesignSession::refreshTitle);
}

void MainWindow::pushModeChecks() {
    model_->setModeChecks(byDiameterCheck_->isChecked(), manualCheck_->isChecked());
}

void MainWindow::showFieldText(InputField field) {
    const QString text = QString::fromStdString(model_->fieldText(field));
    if (fieldEdit(field)->text() != text) {
        fieldEdit(field)->setText(text);
    }
}

void MainWindow::showDocument() {
    const DesignDocument document = model_->document();
    // The mode check boxes run their handlers, which set the fields' states; CheckDiam first,
    // since checking it clears CheckManual.
    byDiameterCheck_->setChecked(document.byDiameterChecked);
    manualCheck_->setChecked(document.manualChecked);
    for (InputField f : kInputFields) {
        setFieldText(f, document.fieldTexts[fieldIndex(f)]);
    }
    // The view's controls without their handlers: each would redraw the old design.
    const QSignalBlocker turned(turnedCheck_);
    const QSignalBlocker marks(controlMarksCheck_);
    const QSignalBlocker selector(sectionSelector_);
    turnedCheck_->setChecked(document.view.turned);
    controlMarksCheck_->setChecked(document.view.controlMarks);
    sectionSelector_->step(document.section - sectionSelector_->position());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::runGuarded(const std::function<void()>& handler) {
    kelvarin::runGuarded(services_.messages, this, handler);
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

void MainWindow::calculate() {
    model_->calculate();
}

void MainWindow::followCalculation() {
    QStringList failures;
    if (auto failure =
            report_.write(model_->calculatedDesign(), model_->calculatedMode(), reportFilePath())) {
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

void MainWindow::showNotANumber(InputField field) {
    services_.messages.inform(
        this, notANumberMessage(field, QString::fromStdString(model_->fieldText(field))));
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
