// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace kelvarin {

// Lets a design file be dropped onto a window: installed on the window, it accepts a drag of
// one local .kelvarin file and reports the drop once the drag is over, so that whatever the
// opening asks happens outside the drag.
class DesignDrop : public QObject {
    Q_OBJECT
public:
    explicit DesignDrop(QWidget* window);

signals:
    void designDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The design file a drag carries: exactly one local file ending in .kelvarin; else empty.
QString draggedDesignPath(const QMimeData* data);

}  // namespace kelvarin
