// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "actions/ReportKeeper.h"
#include "core/InputFields.h"

class QActionGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;
class QWidget;

namespace kelvarin {

class AboutDialog;
class ArrowSelector;
class DesignModel;
class DesignSession;
class DesktopShell;
class FileDialogs;
class MainMenu;
class MessageBoxes;
class ModelActions;
class NumericEdit;
class PerformanceActions;
class Printer;
class SanityStatus;
class StationTableView;
class TemplateActions;
class ZoomableImageView;
class ZoomSlider;

// What the window hands its work to outside itself: message boxes, the desktop, the printer,
// the file dialogs, and the settings that keep the recent designs.
struct MainWindowServices {
    MessageBoxes& messages;
    DesktopShell& shell;
    Printer& printer;
    FileDialogs& fileDialogs;
    QSettings& settings;
};

// The main window (objectName Form1): the input panel and the section view below it, a view of
// the one design model, which lives exactly as long as the window. Its controls edit the model
// and show what it holds; it writes the report and draws the section when the model has been
// calculated, and hands the model to the session, the templates, the solid and the performance
// window. It computes nothing itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The one design: what the controls edit and every view follows.
    DesignModel& designModel() const { return *model_; }
    AboutDialog& aboutDialog() const { return *aboutDialog_; }
    // Save, print and preview the templates: in the section view's context menu, for the menu
    // bar too.
    TemplateActions& templateActions() const { return *templateActions_; }
    // The zoom of the section view, percent, as the slider and the view last agreed it.
    int zoomPercent() const { return zoomPercent_; }

    // The six input fields and their texts (UTF-8), as the controls show them.
    NumericEdit* fieldEdit(InputField field) const;
    std::string fieldText(InputField field) const;
    void setFieldText(InputField field, const std::string& text);

    MainMenu& mainMenu() const { return *mainMenu_; }
    DesignSession& session() const { return *session_; }
    SanityStatus& sanityStatus() const { return *sanityStatus_; }
    StationTableView& stationTable() const { return *stationTable_; }
    // The height the station table's dock takes below the view, with its separator; nothing
    // while it is hidden or floats.
    int stationDockSpace() const;
    // The model's actions (Сохранить модель…, 3D-модель…, Левый винт) and the window
    // "Характеристики винта", each following the completed calculations.
    ModelActions& modelActions() const { return *modelActions_; }
    PerformanceActions& performanceActions() const { return *performanceActions_; }

    // The handlers of the controls, each named for what it does. A failure in one goes to the
    // error display; a calculation says what stopped it in its own messages.
    void calculate();
    void print();
    void showReport();
    void showHelp();
    void showAbout();
    void closeWindow();
    // The two mode check boxes bring the six fields into the state their mode asks for.
    void applyManualMode();
    void applyDiameterMode();
    void updateTurned();
    void updateControlMarks();
    // The selector's section becomes the model's, and is shown.
    void selectSection();
    // Draws the model's section, with its caption, into the view.
    void showSelectedSection();
    void applySliderZoom();

    // Places the About window centred over this one, as its modal showing does.
    void placeAboutDialog();

protected:
    // Unsaved changes are asked about first; the user may keep the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void buildMenuAndStatus();
    void buildStationDock();
    // Винт → Углы лопасти: the three rules, the design's checked.
    void buildBladeAngleMenu();
    void showBladeAngleRule();
    void connectHandlers();
    // The controls edit the model, and show what it holds.
    void connectModel();
    void runGuarded(const std::function<void()>& handler);
    // A whole new document in the model: the controls take it, as if the user had set them.
    void showDocument();
    void showFieldText(InputField field);
    void pushModeChecks();
    // After a completed calculation: the report file and the section, and in one message after
    // both whatever kept them from following.
    void followCalculation();
    // The message for a field that is not a number, then the field focused with its text
    // selected.
    void showNotANumber(InputField field);

    MainWindowServices services_;
    DesignModel* model_ = nullptr;
    ReportKeeper report_;
    int zoomPercent_ = 0;

    QWidget* panel_ = nullptr;
    NumericEdit* diameterEdit_ = nullptr;
    NumericEdit* pitchEdit_ = nullptr;
    NumericEdit* powerEdit_ = nullptr;
    NumericEdit* propellerSpeedEdit_ = nullptr;
    NumericEdit* maxSpeedEdit_ = nullptr;
    NumericEdit* designSpeedEdit_ = nullptr;
    QCheckBox* byDiameterCheck_ = nullptr;
    QCheckBox* manualCheck_ = nullptr;
    QCheckBox* turnedCheck_ = nullptr;
    QCheckBox* controlMarksCheck_ = nullptr;
    ZoomSlider* zoomSlider_ = nullptr;
    ArrowSelector* sectionSelector_ = nullptr;
    QLabel* sectionCaption_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    ZoomableImageView* imageView_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    TemplateActions* templateActions_ = nullptr;
    MainMenu* mainMenu_ = nullptr;
    SanityStatus* sanityStatus_ = nullptr;
    StationTableView* stationTable_ = nullptr;
    QLabel* bladePitchNote_ = nullptr;
    QActionGroup* bladeAngleActions_ = nullptr;
    DesignSession* session_ = nullptr;
    ModelActions* modelActions_ = nullptr;
    PerformanceActions* performanceActions_ = nullptr;
};

}  // namespace kelvarin
