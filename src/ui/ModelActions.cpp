// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ModelActions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>
#include <exception>

#include "modelmodule/ModelModuleLoader.h"
#include "modelview/ModelPreviewDialog.h"
#include "ui/DesignModel.h"
#include "ui/FailureMessages.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

namespace kelvarin {

namespace {

const QString kFolderKey = QStringLiteral("model/folder");
const QString kSuffixKey = QStringLiteral("model/suffix");
const QString kLeftHandKey = QStringLiteral("model/leftHand");

QAction* makeAction(QObject* parent, const char* name, const QString& text, const QString& tip) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(tip);
    action->setToolTip(tip);
    return action;
}

}  // namespace

ModelActions::ModelActions(const DesignModel& model, QWidget& window, MessageBoxes& messages,
                           FileDialogs& dialogs, QSettings& settings)
    : QObject(&window),
      model_(model),
      window_(window),
      messages_(messages),
      dialogs_(dialogs),
      settings_(settings) {
    save_ = makeAction(this, "ActionSaveModel", tr("Сохранить &модель…"),
                       tr("Сохранить винт как твердое тело: STEP для станков с ЧПУ "
                          "и САПР, STL для 3D-печати"));
    preview_ = makeAction(this, "ActionModelPreview", tr("&3D-модель…"),
                          tr("Показать винт в объеме: повернуть мышью, "
                             "приблизить колесом"));
    leftHand_ = makeAction(this, "ActionLeftHand", tr("&Левый винт"),
                           tr("Модель левого винта (зеркальная): для двигателя, "
                              "вращающегося в другую сторону"));
    leftHand_->setCheckable(true);
    // The settings file is the user's to edit: anything but true counts as a right hand.
    leftHand_->setChecked(settings_.value(kLeftHandKey).toString() == QLatin1String("true"));
    connect(leftHand_, &QAction::toggled, this, [this](bool left) {
        settings_.setValue(kLeftHandKey, left);
        settings_.sync();
    });
    connect(save_, &QAction::triggered, this,
            [this] { runGuarded(messages_, &window_, [this] { saveModel(); }); });
    connect(preview_, &QAction::triggered, this,
            [this] { runGuarded(messages_, &window_, [this] { showPreview(); }); });
}

ModelActions::~ModelActions() = default;

model3d::Handedness ModelActions::handedness() const {
    return leftHand_->isChecked() ? model3d::Handedness::Left : model3d::Handedness::Right;
}

bool ModelActions::calculated() {
    if (!model_.isCalculated()) {
        messages_.inform(&window_, tr("Модели еще нет: сначала рассчитайте винт "
                                      "кнопкой «Расчет»."));
    }
    return model_.isCalculated();
}

QString ModelActions::suggestedPath() const {
    QString folder = settings_.value(kFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const QString suffix = settings_.value(kSuffixKey).toString() == QLatin1String("stl")
                               ? QStringLiteral("stl")
                               : QStringLiteral("step");
    const QString name = leftHand_->isChecked() ? tr("винт-левый") : tr("винт");
    return QDir(folder).filePath(name + QLatin1Char('.') + suffix);
}

void ModelActions::saveModel() {
    if (!calculated()) {
        return;
    }
    // A design that makes no solid is told before a file is chosen.
    {
        const WaitCursor wait;
        modelmodule::checkDesignModel(model_.calculatedDesign());
    }
    const QString title =
        leftHand_->isChecked() ? tr("Сохранить модель левого винта") : tr("Сохранить модель винта");
    const QString path = dialogs_.modelToSave(&window_, title, suggestedPath());
    if (path.isEmpty()) {
        return;
    }
    {
        const WaitCursor wait;
        modelmodule::writeDesignModel(model_.calculatedDesign(), handedness(),
                                      QFile::encodeName(path).toStdString());
    }
    const QFileInfo saved(path);
    settings_.setValue(kFolderKey, saved.absolutePath());
    settings_.setValue(kSuffixKey,
                       saved.suffix().compare(QLatin1String("stl"), Qt::CaseInsensitive) == 0
                           ? QStringLiteral("stl")
                           : QStringLiteral("step"));
    settings_.sync();
}

void ModelActions::showPreview() {
    if (!calculated()) {
        return;
    }
    const auto meshed = [this] {
        const WaitCursor wait;
        return modelmodule::meshDesignModel(model_.calculatedDesign(), handedness());
    };
    modelview::ModelPreviewDialog dialog(meshed(), &window_);
    if (leftHand_->isChecked()) {
        dialog.setWindowTitle(tr("Модель левого винта"));
    }
    dialog.exec();
}

}  // namespace kelvarin
