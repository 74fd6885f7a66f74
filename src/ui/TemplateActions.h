// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "export/TemplateExport.h"

class QAction;
class QPrinter;
class QSettings;
class QWidget;

namespace kelvarin {

class CupsPrintSystem;
class DesignModel;
class MessageBoxes;

// Where the user chose to save the templates: the file, and for a PDF its paper.
struct TemplateFileChoice {
    QString path;
    PaperSize paper = PaperSize::A4;
};

// What a user does with the templates besides the Print button's direct job: save them as a
// file ("Сохранить шаблоны…", Ctrl+E), print them through the print dialog ("Печать…",
// Ctrl+P), and look at them in a print preview ("Предварительный просмотр…"). One QAction
// each, for the section view's context menu and the menu bar alike; each shows its own
// failures in the message boxes.
class TemplateActions : public QObject {
    Q_OBJECT
public:
    // The save dialog: starts in `folder` with `paper` chosen; nothing when cancelled.
    using FileChooser = std::function<std::optional<TemplateFileChoice>(
        QWidget* parent, const QString& folder, PaperSize paper)>;

    // `settings` keeps the last folder and paper; without one the actions keep their own,
    // in the application's settings.
    TemplateActions(const DesignModel& model, MessageBoxes& messages, QWidget* parent,
                    QSettings* settings = nullptr);
    ~TemplateActions() override;

    QAction* saveAction() const { return save_; }
    QAction* previewAction() const { return preview_; }
    // The three in the order a menu shows them.
    QList<QAction*> actions() const { return {save_, print_, preview_}; }

    // Tests answer the save dialog themselves.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    void saveTemplates();
    void printTemplatesWithDialog();
    void previewTemplates();

private:
    // Says why there is nothing to give yet, where the design has not been calculated.
    bool designReady(const char* refusal);
    // The resolution the chosen printer prints at, set on it: its print system's default for
    // a printer, 600 dpi for a file.
    void useResolutionOf(QPrinter& printer);
    void showFailure(const QString& text);

    const DesignModel& model_;
    MessageBoxes& messages_;
    QWidget* parent_;
    std::unique_ptr<QSettings> ownSettings_;
    QSettings* settings_;
    std::unique_ptr<CupsPrintSystem> printSystem_;
    FileChooser chooser_;
    QAction* save_ = nullptr;
    QAction* print_ = nullptr;
    QAction* preview_ = nullptr;
};

}  // namespace kelvarin
