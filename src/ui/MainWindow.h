// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>

#include "core/CalculationRun.h"
#include "core/InputFields.h"
#include "core/PropellerDesign.h"
#include "designfile/DesignDocument.h"
#include "drawing/SectionOptions.h"
#include "ui/ReportStatus.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;
class QWidget;

namespace kelvarin {

class AboutDialog;
class ArrowSelector;
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

// The main window (objectName Form1): the input panel, the section view below it, and the one
// design record, which lives exactly as long as the window. It wires the controls to the
// calculation, the report, the section view and the print job; it computes nothing itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The design of the last calculation, as far as it got.
    const PropellerDesign& design() const { return design_; }
    AboutDialog& aboutDialog() const { return *aboutDialog_; }
    // Save, print and preview the templates: in the section view's context menu, for the menu
    // bar too.
    TemplateActions& templateActions() const { return *templateActions_; }
    // How the section view draws: turned, with control marks (the two check boxes).
    const SectionOptions& sectionOptions() const { return sectionOptions_; }
    // The zoom of the section view, percent, as the slider and the view last agreed it.
    int zoomPercent() const { return zoomPercent_; }

    // The six input fields and their texts (UTF-8).
    NumericEdit* fieldEdit(InputField field) const;
    std::string fieldText(InputField field) const;
    void setFieldText(InputField field, const std::string& text);
    FieldTexts fieldTexts() const;
    // The mode the two check boxes select; CheckManual wins over CheckDiam.
    InputMode inputMode() const;

    // The design as the controls hold it: texts, mode check boxes, view options, section.
    DesignDocument designDocument() const;
    // Puts a design into the controls and calculates, as if the user had set them and clicked
    // Calculate; the section is drawn once, by the calculation.
    void showDesignDocument(const DesignDocument& document);

    MainMenu& mainMenu() const { return *mainMenu_; }
    DesignSession& session() const { return *session_; }
    SanityStatus& sanityStatus() const { return *sanityStatus_; }
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
    // Draws the section the selector shows, with its caption, into the view.
    void showSelectedSection();
    void applySliderZoom();

    // Places the About window centred over this one, as its modal showing does.
    void placeAboutDialog();

signals:
    // A field, a check box or the selector changed: the design may differ from its file.
    void designEdited();
    // A calculation ran to its end: the design, in the mode and from the texts it was
    // calculated with (emitted before the report and the view follow it).
    void calculationCompleted(const kelvarin::PropellerDesign& design, kelvarin::InputMode mode,
                              const kelvarin::FieldTexts& texts);

protected:
    // Unsaved changes are asked about first; the user may keep the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void buildMenuAndStatus();
    void connectHandlers();
    // Runs a handler so that no failure crosses the event loop: a failure goes to the
    // default error display.
    void runGuarded(const std::function<void()>& handler);
    // Shows the run's messages at their places among its field writes, as they arose.
    void showOutcomeInFields(const CalculationOutcome& outcome);
    // The message for a field that is not a number, then the field focused with its text
    // selected.
    void showNotANumber(InputField field, const std::string& text);

    MainWindowServices services_;
    PropellerDesign design_{};
    SectionOptions sectionOptions_;
    ReportStatus report_;
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
    DesignSession* session_ = nullptr;
    ModelActions* modelActions_ = nullptr;
    PerformanceActions* performanceActions_ = nullptr;
};

}  // namespace kelvarin
