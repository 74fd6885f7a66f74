// SPDX-License-Identifier: GPL-3.0-or-later
#include "designfile/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "designfile/DesignJson.h"
#include "translation/Translation.h"

namespace kelvarin {

namespace {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString openProblem(const QString& path, const QFile& file) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QString::fromStdString(translatedText("kelvarin::DesignFile", "такого файла нет"));
    }
    if (info.isDir()) {
        return QString::fromStdString(
            translatedText("kelvarin::DesignFile", "это каталог, а не файл"));
    }
    if (!info.isReadable()) {
        return QString::fromStdString(
            translatedText("kelvarin::DesignFile", "нет права читать файл"));
    }
    return QString::fromStdString(
               translatedText("kelvarin::DesignFile", "файл не открывается (%1)"))
        .arg(file.errorString());
}

QString loadProblem(const QString& path, const QString& reason) {
    return QString::fromStdString(
               translatedText("kelvarin::DesignFile", "Не удалось открыть проект «%1»: %2."))
        .arg(shownPath(path), reason);
}

QString saveProblem(const QString& path, const QString& reason) {
    return QString::fromStdString(
               translatedText("kelvarin::DesignFile", "Не удалось сохранить проект «%1»: %2."))
        .arg(shownPath(path), reason);
}

}  // namespace

DesignLoad loadDesignFile(const QString& path) {
    QFile file(path);
    // A FIFO or a device would block or never end; only a regular file is a design.
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        return {std::nullopt,
                loadProblem(path, QString::fromStdString(translatedText("kelvarin::DesignFile",
                                                                        "это не обычный файл")))};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, loadProblem(path, openProblem(path, file))};
    }
    // One byte beyond the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(kMaxDesignFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt,
                loadProblem(path, QString::fromStdString(
                                      translatedText("kelvarin::DesignFile", "ошибка чтения (%1)"))
                                      .arg(file.errorString()))};
    }
    DesignReading reading = readDesignJson(bytes);
    if (!reading.document) {
        const QString reason =
            bytes.size() > kMaxDesignFileBytes
                ? QString::fromStdString(translatedText("kelvarin::DesignFile",
                                                        "файл слишком велик для проекта (больше "
                                                        "%1 байт)"))
                      .arg(kMaxDesignFileBytes)
                : reading.problem;
        return {std::nullopt, loadProblem(path, reason)};
    }
    return {std::move(reading.document), {}};
}

QString saveDesignFile(const QString& path, const DesignDocument& document) {
    const QString textsProblem = designTextsProblem(document);
    if (!textsProblem.isEmpty()) {
        return saveProblem(path, textsProblem);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo info(path);
        const QString reason =
            info.isDir()
                ? QString::fromStdString(translatedText("kelvarin::DesignFile", "это каталог"))
            : !QFileInfo(info.absolutePath()).isDir()
                ? QString::fromStdString(
                      translatedText("kelvarin::DesignFile", "нет каталога «%1»"))
                      .arg(shownPath(info.absolutePath()))
                : QString::fromStdString(
                      translatedText("kelvarin::DesignFile", "запись невозможна (%1)"))
                      .arg(file.errorString());
        return saveProblem(path, reason);
    }
    const QByteArray bytes = designJson(document);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return saveProblem(path, QString::fromStdString(
                                     translatedText("kelvarin::DesignFile",
                                                    "запись не удалась (%1); прежний файл, если он "
                                                    "был, не изменен"))
                                     .arg(file.errorString()));
    }
    return {};
}

}  // namespace kelvarin
