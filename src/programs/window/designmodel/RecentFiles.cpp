// SPDX-License-Identifier: GPL-3.0-or-later
#include "designmodel/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace kelvarin {

namespace {

const QString kKey = QStringLiteral("recentDesigns");

}  // namespace

QStringList RecentFiles::files() const {
    // The settings file is the user's to edit: anything but a list of paths counts as none.
    QStringList files = settings_.value(kKey).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, kMaxFiles);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentFiles::store(const QStringList& files) {
    settings_.setValue(kKey, files);
    settings_.sync();
}

}  // namespace kelvarin
