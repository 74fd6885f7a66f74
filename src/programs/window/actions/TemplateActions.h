// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "outputmodule/OutputModule.h"
#include "templates/TemplateFiles.h"
#include "templates/TemplatePrint.h"

class QAction;
class QSettings;
class QWidget;

namespace kelvarin {

class DesignModel;
class MessageBoxes;

// Where the user chose to save the templates: the file, and for a PDF its paper.
struct TemplateFileChoice {
    QString path;
    PaperSize paper = PaperSize::A4;
};

// The save dialog's filters in the language shown; a PDF's paper is chosen with its filter.
QStringList templateNameFilters();
// The paper of the filter the dialog reports chosen, by its place in templateNameFilters();
// A4 for SVG, DXF or a filter not among them.
PaperSize paperOfNameFilter(const QString& chosen);

// The width of template lines the user chose, kept in the settings; the default where none was.
double templateLineWidthMm(QSettings& settings);

// What a print job did, for the user: "8 листов отправлено на принтер X" (or written to a file),
// and each template it left out with why.
QString printedTemplatesText(const PrintedTemplates& printed, const QString& destination,
                             bool toFile);

// What a user does with the templates besides the Print button's direct job: save them as a
// file ("Сохранить шаблоны…", Ctrl+E), print them through the print dialog ("Печать…",
// Ctrl+P), look at them in a print preview ("Предварительный просмотр…"), and choose the width
// of their lines ("Толщина линий шаблонов…"). One QAction each, for the section view's context
// menu and the menu bar alike; each shows its own failures in the message boxes, and printing
// says where how many sheets went.
class TemplateActions : public QObject {
    Q_OBJECT
public:
    // The save dialog: starts in `folder` with `paper` chosen; nothing when cancelled.
    using FileChooser = std::function<std::optional<TemplateFileChoice>(
        QWidget* parent, const QString& folder, PaperSize paper)>;
    // The line width dialog: starts at `current` millimetres; nothing when cancelled.
    using LineWidthChooser = std::function<std::optional<double>(QWidget* parent, double current)>;
    // The design's name (its file's), for the print job; empty for a design never saved.
    using NameSource = std::function<QString()>;

    // `settings` keeps the last folder and paper; without one the actions keep their own,
    // in the application's settings.
    TemplateActions(const DesignModel& model, MessageBoxes& messages, QWidget* parent,
                    QSettings* settings = nullptr);
    ~TemplateActions() override;

    QAction* saveAction() const { return save_; }
    QAction* previewAction() const { return preview_; }
    QAction* lineWidthAction() const { return lineWidth_; }
    // The four in the order a menu shows them.
    QList<QAction*> actions() const { return {save_, print_, preview_, lineWidth_}; }

    // Tests answer the save and line width dialogs themselves.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setLineWidthChooser(LineWidthChooser chooser) { widthChooser_ = std::move(chooser); }
    void setDesignName(NameSource name) { designName_ = std::move(name); }

    void saveTemplates();
    void printTemplatesWithDialog();
    void previewTemplates();
    void chooseLineWidth();

private:
    // Says why there is nothing to give yet, where the design has not been calculated.
    bool designReady(const char* refusal);
    void showFailure(const QString& text);
    // The print job of the design's templates: its name after the design's, the view's options,
    // today and the chosen line width.
    TemplateJob job() const;

    const DesignModel& model_;
    MessageBoxes& messages_;
    QWidget* parent_;
    std::unique_ptr<QSettings> ownSettings_;
    QSettings* settings_;
    FileChooser chooser_;
    LineWidthChooser widthChooser_;
    NameSource designName_;
    QAction* save_ = nullptr;
    QAction* print_ = nullptr;
    QAction* preview_ = nullptr;
    QAction* lineWidth_ = nullptr;
};

}  // namespace kelvarin
