// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "core/ProgramInfo.h"

namespace kelvarin {

QString helpFileName(bool english) {
    return english ? QStringLiteral("Help-en.chm") : QStringLiteral("Help.chm");
}

QStringList installedHelpCandidates(const QString& programDir, const QString& fileName) {
    const QDir dir(programDir);
    return {dir.absoluteFilePath(fileName),
            QDir::cleanPath(dir.absoluteFilePath(QString::fromUtf8(kDataDirFromProgram) +
                                                 QLatin1Char('/') + fileName))};
}

QString helpFilePath(const QString& fileName) {
    QString local = QDir::current().absoluteFilePath(fileName);
    if (QFileInfo(local).isFile()) {
        return local;
    }
    for (const QString& candidate :
         installedHelpCandidates(QCoreApplication::applicationDirPath(), fileName)) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return local;
}

}  // namespace kelvarin
