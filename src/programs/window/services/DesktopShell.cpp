// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace kelvarin {

namespace {

// Without a desktop launcher (no xdg-open on a bare X session) the desktop opens nothing;
// the help viewer and the system's browser can still be started by name.
bool openWithoutLauncher(const QUrl& url) {
    const bool help = url.isLocalFile() &&
                      url.toLocalFile().endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive);
    const QString program = help ? QStringLiteral("xchm") : QStringLiteral("sensible-browser");
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        return false;
    }
    return QProcess::startDetached(path, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
}

}  // namespace

void QtDesktopShell::open(const QUrl& url) {
    if (!QDesktopServices::openUrl(url)) {
        openWithoutLauncher(url);
    }
}

}  // namespace kelvarin
