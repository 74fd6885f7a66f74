// SPDX-License-Identifier: GPL-3.0-or-later
#include "designmodel/DesignSession.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "designfile/DesignFile.h"
#include "designmodel/DesignModel.h"
#include "services/FileDialogs.h"
#include "services/MessageBoxes.h"

namespace kelvarin {

namespace {

QString programCaption() {
    return QCoreApplication::translate("kelvarin::DesignSession",
                                       "Расчет параметров воздушного винта");
}

}  // namespace

QString designWindowTitle(const QString& filePath, bool modified) {
    const QString name = filePath.isEmpty()
                             ? QCoreApplication::translate("kelvarin::DesignSession", "Без имени")
                             : QFileInfo(filePath).fileName();
    return QStringLiteral("%1%2 — %3")
        .arg(name, modified ? QStringLiteral("*") : QString(), programCaption());
}

DesignSession::DesignSession(DesignModel& model, QWidget& window, MessageBoxes& messages,
                             FileDialogs& dialogs, QSettings& settings)
    : QObject(&window),
      model_(model),
      window_(window),
      messages_(messages),
      dialogs_(dialogs),
      recent_(settings),
      saved_(model.document()) {}

bool DesignSession::isModified() const {
    return model_.document() != saved_;
}

QString DesignSession::displayName() const {
    return filePath_.isEmpty() ? QString() : QFileInfo(filePath_).fileName();
}

void DesignSession::refreshTitle() {
    window_.setWindowTitle(designWindowTitle(filePath_, isModified()));
}

bool DesignSession::open() {
    const QString folder =
        filePath_.isEmpty() ? QDir::currentPath() : QFileInfo(filePath_).absolutePath();
    const QString path = dialogs_.designToOpen(&window_, folder);
    return !path.isEmpty() && openFile(path);
}

bool DesignSession::openFile(const QString& path) {
    const DesignLoad load = loadDesignFile(path);
    if (!load.document) {
        messages_.critical(&window_, load.problem);
        // A recent design that is gone no longer belongs in the list.
        if (!QFileInfo::exists(path) &&
            recent_.files().contains(QFileInfo(path).absoluteFilePath())) {
            recent_.remove(path);
            emit recentFilesChanged(recent_.files());
        }
        return false;
    }
    if (!maySetAside()) {
        return false;
    }
    model_.setDocument(*load.document);
    model_.calculate();
    // The calculation may have written results into the fields: what the window now shows is
    // the design as opened.
    saved_ = model_.document();
    remember(path);
    return true;
}

bool DesignSession::save() {
    return filePath_.isEmpty() ? saveAs() : saveTo(filePath_);
}

bool DesignSession::saveAs() {
    const QString suggested =
        filePath_.isEmpty()
            ? QDir::current().filePath(tr("Винт.%1").arg(QLatin1String(kDesignFileSuffix)))
            : filePath_;
    const QString path = dialogs_.designToSave(&window_, suggested);
    return !path.isEmpty() && saveTo(path);
}

bool DesignSession::saveTo(const QString& path) {
    const DesignDocument document = model_.document();
    const QString problem = saveDesignFile(path, document);
    if (!problem.isEmpty()) {
        messages_.critical(&window_, problem);
        return false;
    }
    saved_ = document;
    remember(path);
    return true;
}

void DesignSession::remember(const QString& path) {
    filePath_ = QFileInfo(path).absoluteFilePath();
    recent_.add(filePath_);
    emit recentFilesChanged(recent_.files());
    refreshTitle();
}

bool DesignSession::maySetAside() {
    if (!isModified()) {
        return true;
    }
    const QString question =
        filePath_.isEmpty() ? tr("Расчет не сохранен. Сохранить его в файл проекта?")
                            : tr("Проект «%1» изменен. Сохранить изменения?").arg(displayName());
    switch (messages_.askToSave(&window_, question)) {
        case SaveChoice::Save:
            return save();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

bool DesignSession::mayClose() {
    return maySetAside();
}

}  // namespace kelvarin
