// SPDX-License-Identifier: GPL-3.0-or-later
#include "designfile/DesignFile.h"

#include <sys/stat.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string_view>

#include "atomicfile/FileReplacement.h"
#include "atomicfile/FileWriteError.h"

#include "core/Translation.h"
#include "designfile/DesignJson.h"

namespace kelvarin {

namespace {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString openProblem(const QString& path, const QFile& file) {
    const QFileInfo info(path);
    if (!info.exists()) {
        // A loop of links is there, but leads nowhere: said as the writers say it.
        struct stat followed {};
        if (::stat(QFile::encodeName(path).constData(), &followed) != 0 && errno == ELOOP) {
            return QString::fromStdString(fileErrorReason(ELOOP));
        }
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
                loadProblem(path, QString::fromStdString(translatedText(
                                      "kelvarin::DesignFile",
                                      "это не обычный файл, а канал или устройство")))};
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
    const QByteArray bytes = designJson(document);
    try {
        if (replaceFile(
                QFile::encodeName(path).toStdString(),
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ==
            Replacement::NotRegularFile) {
            return saveProblem(path, QString::fromStdString(translatedText(
                                         "kelvarin::DesignFile",
                                         "это не обычный файл, а канал или устройство; выберите "
                                         "другое имя")));
        }
    } catch (const FileWriteError& e) {
        return saveProblem(
            path, QString::fromStdString(e.reason()) +
                      QString::fromStdString(translatedText(
                          "kelvarin::DesignFile", "; прежний файл, если он был, не изменен")));
    }
    return {};
}

}  // namespace kelvarin
