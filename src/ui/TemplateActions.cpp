// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TemplateActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <array>
#include <exception>

#include "drawing/PrinterResolution.h"
#include "printsystem/CupsPrintSystem.h"
#include "qtdrawing/QtPrinter.h"
#include "templates/TemplateLayout.h"
#include "templates/TemplatePrint.h"
#include "ui/DesignModel.h"
#include "ui/MessageBoxes.h"

namespace kelvarin {

namespace {

constexpr const char* kFolderKey = "templates/folder";
constexpr const char* kPaperKey = "templates/paper";

// The dialog's filters: the paper of a PDF is chosen with its filter.
struct FileFilter {
    const char* text;
    PaperSize paper;
    const char* suffix;
};
constexpr std::array<FileFilter, 5> kFilters = {{
    {QT_TRANSLATE_NOOP("kelvarin::TemplateActions", "PDF, бумага A4 (*.pdf)"), PaperSize::A4,
     "pdf"},
    {QT_TRANSLATE_NOOP("kelvarin::TemplateActions", "PDF, бумага Letter (*.pdf)"),
     PaperSize::Letter, "pdf"},
    {QT_TRANSLATE_NOOP("kelvarin::TemplateActions", "PDF, бумага A3 (*.pdf)"), PaperSize::A3,
     "pdf"},
    {QT_TRANSLATE_NOOP("kelvarin::TemplateActions", "SVG, рисунок в миллиметрах (*.svg)"),
     PaperSize::A4, "svg"},
    {QT_TRANSLATE_NOOP("kelvarin::TemplateActions", "DXF для станков с ЧПУ (*.dxf)"), PaperSize::A4,
     "dxf"},
}};

std::optional<TemplateFileChoice> askWithFileDialog(QWidget* parent, const QString& folder,
                                                    PaperSize paper) {
    QFileDialog dialog(
        parent, QCoreApplication::translate("kelvarin::TemplateActions", "Сохранить шаблоны"),
        folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileFilter& f : kFilters) {
        filters << QCoreApplication::translate("kelvarin::TemplateActions", f.text);
    }
    dialog.setNameFilters(filters);
    for (const FileFilter& f : kFilters) {
        if (f.paper == paper) {
            dialog.selectNameFilter(
                QCoreApplication::translate("kelvarin::TemplateActions", f.text));
            break;
        }
    }
    dialog.selectFile(QCoreApplication::translate("kelvarin::TemplateActions", "шаблоны.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    TemplateFileChoice choice{dialog.selectedFiles().constFirst(), PaperSize::A4};
    for (const FileFilter& f : kFilters) {
        if (dialog.selectedNameFilter() == QString::fromUtf8(f.text)) {
            choice.paper = f.paper;
        }
    }
    return choice;
}

QAction* newAction(QObject* owner, const char* name, const QString& text,
                   const QKeySequence& shortcut) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

TemplateActions::TemplateActions(const DesignModel& model, MessageBoxes& messages, QWidget* parent,
                                 QSettings* settings)
    : QObject(parent),
      model_(model),
      messages_(messages),
      parent_(parent),
      ownSettings_(settings == nullptr ? std::make_unique<QSettings>(QStringLiteral("Kelvarin"),
                                                                     QStringLiteral("Kelvarin"))
                                       : nullptr),
      settings_(settings == nullptr ? ownSettings_.get() : settings),
      printSystem_(std::make_unique<CupsPrintSystem>()),
      chooser_(askWithFileDialog) {
    save_ = newAction(this, "ActionSaveTemplates", tr("Сохранить шаблоны…"),
                      QKeySequence(Qt::CTRL | Qt::Key_E));
    print_ =
        newAction(this, "ActionPrintTemplates", tr("Печать…"), QKeySequence(QKeySequence::Print));
    preview_ =
        newAction(this, "ActionPreviewTemplates", tr("Предварительный просмотр…"), QKeySequence());
    connect(save_, &QAction::triggered, this, &TemplateActions::saveTemplates);
    connect(print_, &QAction::triggered, this, &TemplateActions::printTemplatesWithDialog);
    connect(preview_, &QAction::triggered, this, &TemplateActions::previewTemplates);
}

TemplateActions::~TemplateActions() = default;

bool TemplateActions::designReady(const char* refusal) {
    if (hasTemplates(model_.design())) {
        return true;
    }
    showFailure(tr(refusal) + tr(": расчёт ещё не выполнен, нажмите «Расчет»"));
    return false;
}

void TemplateActions::showFailure(const QString& text) {
    messages_.critical(parent_, errorDisplayText(text));
}

void TemplateActions::saveTemplates() {
    if (!designReady(QT_TR_NOOP("Шаблоны не сохранены"))) {
        return;
    }
    const QString folder = settings_->value(kFolderKey, QDir::homePath()).toString();
    const auto paper = static_cast<PaperSize>(
        settings_->value(kPaperKey, static_cast<int>(PaperSize::A4)).toInt());
    const std::optional<TemplateFileChoice> choice = chooser_(parent_, folder, paper);
    if (!choice || choice->path.isEmpty()) {
        return;
    }
    settings_->setValue(kFolderKey, QFileInfo(choice->path).absolutePath());
    settings_->setValue(kPaperKey, static_cast<int>(choice->paper));
    try {
        exportTemplates(model_.design(), {model_.viewOptions(), choice->paper, todayText()},
                        choice->path.toStdString());
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
    }
}

void TemplateActions::useResolutionOf(QPrinter& printer) {
    const bool toPrinter =
        printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
    printer.setResolution(
        toPrinter ? printerResolutionDpi(*printSystem_, printer.printerName().toStdString())
                  : kFallbackResolutionDpi);
}

void TemplateActions::printTemplatesWithDialog() {
    if (!designReady(QT_TR_NOOP("Шаблоны не напечатаны"))) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(tr("Печать шаблонов"));
    dialog.setMinMax(1, kMaxTemplatePages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // At true size: the pages are laid out in the chosen printer's own pixels, never scaled.
    useResolutionOf(printer);
    try {
        QtPrinter chosen(printer);
        printTemplates(model_.design(), chosen, model_.viewOptions(), todayText());
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
    }
}

void TemplateActions::previewTemplates() {
    if (!designReady(QT_TR_NOOP("Шаблоны не показаны"))) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    useResolutionOf(printer);
    // Laid out once first, so that a refusal is said instead of an empty preview.
    try {
        layOutTemplates(model_.design(), {printer.resolution(), printer.width(), printer.height()},
                        model_.viewOptions());
    } catch (const std::exception& failure) {
        showFailure(tr("Шаблоны не показаны: ") + QString::fromUtf8(failure.what()));
        return;
    }
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setWindowTitle(tr("Предварительный просмотр шаблонов"));
    QString failure;
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* shown) {
        // The preview's own page setup or its Print button may have chosen another printer.
        try {
            QtPrinter target(*shown);
            printTemplates(model_.design(), target, model_.viewOptions(), todayText());
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    });
    preview.exec();
    if (!failure.isEmpty()) {
        showFailure(failure);
    }
}

}  // namespace kelvarin
