// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialogs.h"

#include <QFileDialog>

#include "designfile/DesignFile.h"

namespace kelvarin {

namespace {

QString designFilter() {
    return QStringLiteral("Проекты винтов (*.%1);;Все файлы (*)")
        .arg(QLatin1String(kDesignFileSuffix));
}

}  // namespace

QString QtFileDialogs::designToOpen(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть проект"), folder,
                                        designFilter());
}

QString QtFileDialogs::designToSave(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить проект"), suggested, designFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets .kelvarin, so the file manager knows the file.
    dialog.setDefaultSuffix(QLatin1String(kDesignFileSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace kelvarin
