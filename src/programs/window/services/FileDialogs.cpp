// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FileDialogs.h"

#include <QCoreApplication>

#include <QFileDialog>
#include <QFileInfo>

#include "designfile/DesignFile.h"

namespace kelvarin {

namespace {

QString designFilter() {
    return QCoreApplication::translate("kelvarin::FileDialogs",
                                       "Проекты винтов (*.%1);;Все файлы (*)")
        .arg(QLatin1String(kDesignFileSuffix));
}

}  // namespace

QString QtFileDialogs::designToOpen(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("kelvarin::FileDialogs", "Открыть проект"), folder,
        designFilter());
}

QString QtFileDialogs::designToSave(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("kelvarin::FileDialogs", "Сохранить проект"),
                       suggested, designFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets .kelvarin, so the file manager knows the file.
    dialog.setDefaultSuffix(QLatin1String(kDesignFileSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::modelToSave(QWidget* parent, const QString& title,
                                   const QString& suggested) {
    const QString step = QCoreApplication::translate(
        "kelvarin::FileDialogs", "STEP — для станков с ЧПУ и САПР (*.step *.stp)");
    const QString stl =
        QCoreApplication::translate("kelvarin::FileDialogs", "STL — для 3D-печати (*.stl)");
    QFileDialog dialog(parent, title, suggested, step + QStringLiteral(";;") + stl);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const bool suggestsStl =
        QFileInfo(suggested).suffix().compare(QLatin1String("stl"), Qt::CaseInsensitive) == 0;
    dialog.selectNameFilter(suggestsStl ? stl : step);
    // A name typed without an extension gets the one of the format chosen.
    dialog.setDefaultSuffix(suggestsStl ? QStringLiteral("stl") : QStringLiteral("step"));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, stl](const QString& filter) {
            dialog.setDefaultSuffix(filter == stl ? QStringLiteral("stl") : QStringLiteral("step"));
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace kelvarin
