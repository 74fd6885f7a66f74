// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ReportKeeper.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <exception>

#include "atomicfile/FileWriteError.h"
#include "report/DataReport.h"
#include "services/FailureMessages.h"

namespace kelvarin {

namespace {

QString startingLowercase(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toLower();
    }
    return text;
}

}  // namespace

QString reportFilePath() {
    const QString name =
        QString::fromUtf8(kReportFileName.data(), static_cast<qsizetype>(kReportFileName.size()));
    // A current folder that was removed has no path; QDir would then make "/Date.html" of the
    // name, and the report would land in the root folder.
    const QString folder = QDir::currentPath();
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

std::optional<QString> ReportKeeper::write(const PropellerDesign& design, InputMode mode,
                                           const QString& path) {
    const std::string file = QFile::encodeName(path).toStdString();
    try {
        writeReport(design, mode, file);
        state_ = State::Written;
        written_ = fileIdentity(file);
        return std::nullopt;
    } catch (const FileWriteError& e) {
        failure_ = QString::fromStdString(e.reason());
    } catch (const std::exception& e) {
        failure_ = startingLowercase(failureText(e));
    }
    state_ = State::Failed;
    return QCoreApplication::translate("kelvarin::ReportKeeper",
                                       "Не удалось записать отчёт в файл «%1»: %2.")
        .arg(path, failure_);
}

std::optional<QString> ReportKeeper::reasonNotToOpen(const QString& path) const {
    switch (state_) {
        case State::NoneYet:
            return std::nullopt;
        case State::Failed:
            return QCoreApplication::translate(
                       "kelvarin::ReportKeeper",
                       "Отчёт последнего расчёта не записан в файл «%1»: %2.")
                .arg(path, failure_);
        case State::Written:
            if (written_ && fileIdentity(QFile::encodeName(path).toStdString()) != written_) {
                return QCoreApplication::translate(
                           "kelvarin::ReportKeeper",
                           "Файл «%1» изменён или удалён после расчёта. Нажмите "
                           "«Расчет», чтобы записать отчёт снова.")
                    .arg(path);
            }
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kelvarin
