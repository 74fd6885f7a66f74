// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>

#include "core/CalculationRun.h"
#include "core/InputFields.h"
#include "core/PropellerDesign.h"
#include "drawing/SectionOptions.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kelvarin {

class AboutForm;
class ArrowSelector;
class DesktopShell;
class MessageBoxes;
class NumericEdit;
class Printer;
class ZoomableImageView;
class ZoomSlider;

// What the window hands its work to outside itself: message boxes, the desktop, the printer.
struct MainFormServices {
    MessageBoxes& messages;
    DesktopShell& shell;
    Printer& printer;
};

// The main window Form1: the input panel, the section view below it, and the one design
// record, which lives exactly as long as the window.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(MainFormServices services, QWidget* parent = nullptr);
    ~MainForm() override;

    PropellerDesign& Design() { return design_; }
    const PropellerDesign& Design() const { return design_; }
    AboutForm& About() const { return *aboutForm_; }
    // How the section view draws: turned, with control marks (the two check boxes).
    const SectionOptions& sectionOptions() const { return sectionOptions_; }
    // The zoom of the section view, percent, as the slider and the image box last agreed it.
    int zoomPercent() const { return zoomPercent_; }

    std::string fieldText(InputField field) const;
    void setFieldText(InputField field, const std::string& text);
    FieldTexts fieldTexts() const;
    // The mode the two check boxes select; CheckManual wins over CheckDiam.
    InputMode inputMode() const;
    // Draws the section the selector shows, with its caption, into the image box.
    void showSelectedSection();

    NumericEdit* Field(InputField field) const;

    // The handlers, by the names the controls know them by.
    void ButRashClick();
    void ButPrintClick();
    void ButDateClick();
    void ButHelpClick();
    void ButAboutClick();
    void ButCloseClick();
    void ManualCheck();
    void CheckDiamClick();
    void UgolCheck();
    void ControlCheck();
    void UpDown1Click();
    void Track();

    // Places the About window centred over this one, as its modal showing does.
    void PlaceAboutForm();

private:
    void BuildPanel();
    void WireHandlers();
    // Runs a handler so that no failure crosses the event loop: a failure goes to the
    // default error display.
    void Guarded(const std::function<void()>& handler);
    // Shows the run's messages at their places among its field writes, as they arose.
    void showOutcomeInFields(const CalculationOutcome& outcome);

    MainFormServices services_;
    PropellerDesign design_{};
    SectionOptions sectionOptions_;
    int zoomPercent_ = 0;

    QWidget* panel_ = nullptr;
    NumericEdit* editDv_ = nullptr;
    NumericEdit* editHv_ = nullptr;
    NumericEdit* editNd_ = nullptr;
    NumericEdit* editNv_ = nullptr;
    NumericEdit* editVm_ = nullptr;
    NumericEdit* editVr_ = nullptr;
    QCheckBox* checkDiam_ = nullptr;
    QCheckBox* checkManual_ = nullptr;
    QCheckBox* checkUgol_ = nullptr;
    QCheckBox* checkControl_ = nullptr;
    ZoomSlider* trackBar1_ = nullptr;
    ArrowSelector* upDown1_ = nullptr;
    QLabel* labInfo_ = nullptr;
    QPushButton* butClose_ = nullptr;
    QPushButton* butHelp_ = nullptr;
    QPushButton* butAbout_ = nullptr;
    QPushButton* butDate_ = nullptr;
    QPushButton* butRash_ = nullptr;
    QPushButton* butPrint_ = nullptr;
    ZoomableImageView* vzImageBox1_ = nullptr;
    AboutForm* aboutForm_ = nullptr;
};

}  // namespace kelvarin
