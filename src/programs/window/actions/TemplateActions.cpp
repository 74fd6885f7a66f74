// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/TemplateActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeySequence>
#include <QSettings>
#include <array>
#include <exception>

#include "designmodel/DesignModel.h"
#include "outputmodule/OutputModuleLoader.h"
#include "services/MessageBoxes.h"
#include "templates/TemplateLayout.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {

namespace {

constexpr const char* kFolderKey = "templates/folder";
constexpr const char* kPaperKey = "templates/paper";
constexpr const char* kLineWidthKey = "templates/lineWidthMm";

// "%n листов отправлено на принтер %1" in the three Russian forms a number takes: 1 (21, 31,
// …), 2–4 (22–24, …) and the rest; the English has its own two in each.
constexpr std::array<const char*, 3> kSentToPrinter = {
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n лист отправлен на принтер %1"),
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n листа отправлено на принтер %1"),
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n листов отправлено на принтер %1"),
};
constexpr std::array<const char*, 3> kWrittenToFile = {
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n лист записан в файл %1"),
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n листа записано в файл %1"),
    QT_TRANSLATE_N_NOOP("kelvarin::TemplateActions", "%n листов записано в файл %1"),
};

std::size_t russianNumberForm(int n) {
    const int units = n % 10;
    const int tens = n % 100;
    if (units == 1 && tens != 11) {
        return 0;
    }
    return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? 1 : 2;
}

// Each template left out, a line each, after what was done.
QString withOmissions(QString text, const std::vector<std::string>& reasons) {
    for (const std::string& reason : reasons) {
        text += QLatin1Char('\n') +
                QCoreApplication::translate("kelvarin::TemplateActions", "Не вошло: %1.")
                    .arg(QString::fromStdString(reason));
    }
    return text;
}

std::optional<double> askLineWidth(QWidget* parent, double current) {
    bool accepted = false;
    const double width = QInputDialog::getDouble(
        parent, QCoreApplication::translate("kelvarin::TemplateActions", "Толщина линий шаблонов"),
        QCoreApplication::translate("kelvarin::TemplateActions",
                                    "Толщина линий на бумаге, мм (от 0,1 до 0,5):"),
        current, kThinnestTemplateLineMm, kThickestTemplateLineMm, 2, &accepted, Qt::WindowFlags(),
        0.05);
    return accepted ? std::optional<double>(width) : std::nullopt;
}

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
    const QStringList filters = templateNameFilters();
    dialog.setNameFilters(filters);
    for (std::size_t i = 0; i < kFilters.size(); ++i) {
        if (kFilters[i].paper == paper) {
            dialog.selectNameFilter(filters[static_cast<qsizetype>(i)]);
            break;
        }
    }
    dialog.selectFile(QCoreApplication::translate("kelvarin::TemplateActions", "шаблоны.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return TemplateFileChoice{dialog.selectedFiles().constFirst(),
                              paperOfNameFilter(dialog.selectedNameFilter())};
}

QAction* newAction(QObject* owner, const char* name, const QString& text,
                   const QKeySequence& shortcut) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

double templateLineWidthMm(QSettings& settings) {
    bool isNumber = false;
    const double width = settings.value(kLineWidthKey).toDouble(&isNumber);
    return templateLineMm(isNumber ? width : kDefaultTemplateLineMm);
}

QString printedTemplatesText(const PrintedTemplates& printed, const QString& destination,
                             bool toFile) {
    const std::size_t form = russianNumberForm(printed.sheets);
    std::vector<std::string> reasons;
    for (const TemplateOmission& omission : printed.omissions) {
        reasons.push_back(omission.reason);
    }
    return withOmissions(
        QCoreApplication::translate("kelvarin::TemplateActions",
                                    (toFile ? kWrittenToFile : kSentToPrinter)[form], nullptr,
                                    printed.sheets)
            .arg(destination),
        reasons);
}

QStringList templateNameFilters() {
    QStringList filters;
    for (const FileFilter& f : kFilters) {
        filters << QCoreApplication::translate("kelvarin::TemplateActions", f.text);
    }
    return filters;
}

PaperSize paperOfNameFilter(const QString& chosen) {
    // By its place in the list the dialog was given: its text is in the language shown.
    const qsizetype index = templateNameFilters().indexOf(chosen);
    return index < 0 ? PaperSize::A4 : kFilters[static_cast<std::size_t>(index)].paper;
}

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
      chooser_(askWithFileDialog),
      widthChooser_(askLineWidth) {
    save_ = newAction(this, "ActionSaveTemplates", tr("Сохранить шаблоны…"),
                      QKeySequence(Qt::CTRL | Qt::Key_E));
    print_ =
        newAction(this, "ActionPrintTemplates", tr("Печать…"), QKeySequence(QKeySequence::Print));
    preview_ =
        newAction(this, "ActionPreviewTemplates", tr("Предварительный просмотр…"), QKeySequence());
    lineWidth_ =
        newAction(this, "ActionTemplateLineWidth", tr("Толщина линий шаблонов…"), QKeySequence());
    connect(save_, &QAction::triggered, this, &TemplateActions::saveTemplates);
    connect(lineWidth_, &QAction::triggered, this, &TemplateActions::chooseLineWidth);
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
        std::vector<std::string> leftOut;
        throwOutputFailure(
            outputModule().exportTemplates(model_.design(),
                                           {model_.viewOptions(), choice->paper, todayText(),
                                            templateLineWidthMm(*settings_), true},
                                           choice->path.toStdString(), leftOut));
        if (!leftOut.empty()) {
            messages_.inform(
                parent_,
                withOmissions(
                    tr("Шаблоны сохранены в файл %1.").arg(QDir::toNativeSeparators(choice->path)),
                    leftOut));
        }
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
    }
}

void TemplateActions::printTemplatesWithDialog() {
    if (!designReady(QT_TR_NOOP("Шаблоны не напечатаны"))) {
        return;
    }
    try {
        const DialogPrinting printing =
            outputModule().printWithDialog(parent_, model_.design(), job());
        if (!printing.accepted) {
            return;
        }
        throwOutputFailure(printing.failure);
        messages_.inform(parent_, printedTemplatesText(printing.printed,
                                                       QString::fromStdString(printing.destination),
                                                       printing.toFile));
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
    }
}

void TemplateActions::previewTemplates() {
    if (!designReady(QT_TR_NOOP("Шаблоны не показаны"))) {
        return;
    }
    PreviewShown shown;
    try {
        shown = outputModule().previewWithDialog(parent_, model_.design(), job());
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
        return;
    }
    if (!shown.layoutFailure.text.empty()) {
        showFailure(tr("Шаблоны не показаны: ") + QString::fromStdString(shown.layoutFailure.text));
    } else if (!shown.printFailure.text.empty()) {
        showFailure(QString::fromStdString(shown.printFailure.text));
    } else if (!shown.leftOut.empty()) {
        messages_.inform(parent_, withOmissions(tr("Показаны не все шаблоны."), shown.leftOut));
    }
}

void TemplateActions::chooseLineWidth() {
    if (const std::optional<double> width =
            widthChooser_(parent_, templateLineWidthMm(*settings_))) {
        settings_->setValue(kLineWidthKey, templateLineMm(*width));
    }
}

TemplateJob TemplateActions::job() const {
    return {
        model_.viewOptions(), todayText(),
        templateJobName(model_.design(), designName_ ? designName_().toStdString() : std::string()),
        templateLineWidthMm(*settings_)};
}

}  // namespace kelvarin
