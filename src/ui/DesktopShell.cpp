#include "ui/DesktopShell.h"

#include <QDesktopServices>

namespace kelvarin {

void QtDesktopShell::Open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

}  // namespace kelvarin
