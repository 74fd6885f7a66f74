// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ModelActions.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>
#include <exception>
#include <memory>
#include <optional>

#include "designmodel/DesignModel.h"
#include "modelmodule/ModelModuleLoader.h"
#include "performance/Atmosphere.h"
#include "performance/DesignGeometry.h"
#include "performance/EngineBalance.h"
#include "services/FailureMessages.h"
#include "services/FileDialogs.h"
#include "services/MessageBoxes.h"
#include "services/WaitCursor.h"
#include "viewsmodule/ViewsModuleLoader.h"

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

ModelActions::ModelActions(DesignModel& model, QWidget& window, MessageBoxes& messages,
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
    hub_ = makeAction(this, "ActionHub", tr("&Ступица…"),
                      tr("Ступица модели: диаметр, толщина, центральное отверстие, отверстия под "
                         "болты, скругление и толщина задней кромки"));
    connect(hub_, &QAction::triggered, this,
            [this] { runGuarded(messages_, &window_, [this] { editHub(); }); });
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

Handedness ModelActions::handedness() const {
    return leftHand_->isChecked() ? Handedness::Left : Handedness::Right;
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
        checkDesignModel(model_.calculatedDesign());
    }
    const QString title =
        leftHand_->isChecked() ? tr("Сохранить модель левого винта") : tr("Сохранить модель винта");
    const QString path = dialogs_.modelToSave(&window_, title, suggestedPath());
    if (path.isEmpty()) {
        return;
    }
    {
        const WaitCursor wait;
        writeDesignModel(solid(model_.document().model), QFile::encodeName(path).toStdString());
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
    const ModelOptions options = model_.document().model;
    const auto meshed = [&] {
        const WaitCursor wait;
        return meshDesignModel(solid(options));
    };
    // The preview's module first: a missing one is told before the solid is built.
    const ViewsModuleApi& views = viewsModule();
    const BladeLoad load = bladeLoad();
    std::unique_ptr<ModelPreview> preview;
    const auto describe = [&](const std::string& wood) {
        const WaitCursor wait;
        ModelOptions forWood = options;
        forWood.wood = wood;
        // The design's own density stands for its own wood only.
        forWood.densityKgM3 = wood == options.wood ? options.densityKgM3 : 0;
        preview->setInfo(describeDesignModel(solid(options), forWood, load), wood, load);
    };
    preview = views.newModelPreview(meshed(), &window_, [&](const std::string& wood) {
        runGuarded(messages_, &preview->dialog(), [&] { describe(wood); });
    });
    QDialog& dialog = preview->dialog();
    if (leftHand_->isChecked()) {
        dialog.setWindowTitle(tr("Модель левого винта"));
    }
    // The model first: its blank and strength, worked out in a third of a second more for a
    // new solid, follow its first frame.
    preview->showFirstFrame();
    describe(options.wood);
    dialog.exec();
}

void ModelActions::editHub() {
    if (const std::optional<ModelOptions> options =
            viewsModule().editHub(model_.document().model, &window_)) {
        model_.setModelOptions(*options);
    }
}

const DesignSolid& ModelActions::solid(const ModelOptions& options) {
    const PropellerDesign& design = model_.calculatedDesign();
    if (!solid_ || !solid_->isOf(design, handedness(), options)) {
        // The old one goes first: two large solids need not be held at once.
        solid_.reset();
        solid_ = buildDesignSolid(design, handedness(), options);
    }
    return *solid_;
}

BladeLoad ModelActions::bladeLoad() const {
    const EngineAndFlight engine = engineAndFlightOf(model_.engine());
    const PropellerAnalysis analysis(geometryFromDesign(model_.calculatedDesign()), airAt(0));
    const BalancedPoint rest = balancedPoint(analysis, engine, 0);
    const OperatingPoint point = rest.found() ? rest.point : analysis.operatingPoint(0, engine.rpm);
    return {point.rpm, point.thrustN, point.torqueNm};
}

}  // namespace kelvarin
