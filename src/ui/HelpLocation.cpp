// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "programinfo/ProgramInfo.h"

namespace kelvarin {

namespace {

const QString kHelpFile = QStringLiteral("Help.chm");

}  // namespace

QStringList installedHelpCandidates(const QString& programDir) {
    const QDir dir(programDir);
    return {dir.absoluteFilePath(kHelpFile),
            QDir::cleanPath(dir.absoluteFilePath(QString::fromUtf8(kDataDirFromProgram) +
                                                 QLatin1Char('/') + kHelpFile))};
}

QString helpFilePath() {
    const QString local = QDir::current().absoluteFilePath(kHelpFile);
    if (QFileInfo(local).isFile()) {
        return local;
    }
    for (const QString& candidate :
         installedHelpCandidates(QCoreApplication::applicationDirPath())) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return local;
}

}  // namespace kelvarin
