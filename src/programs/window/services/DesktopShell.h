// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace kelvarin {

// Hands a file or a web address to the desktop's default application. The result is not
// examined: when nothing can open it, the desktop says so, not the program.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual void open(const QUrl& url) = 0;
};

// QDesktopServices.
class QtDesktopShell : public DesktopShell {
public:
    void open(const QUrl& url) override;
};

}  // namespace kelvarin
