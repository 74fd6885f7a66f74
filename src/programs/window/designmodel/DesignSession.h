// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include "designfile/DesignDocument.h"
#include "designmodel/RecentFiles.h"

class QSettings;

namespace kelvarin {

class DesignModel;
class FileDialogs;
class MessageBoxes;

// The design model as a document: the file it came from or went to, whether the model still
// matches what was saved, and the open, save and close steps with their dialogs and the
// question about unsaved changes. The window's title follows it.
class DesignSession : public QObject {
    Q_OBJECT
public:
    DesignSession(DesignModel& model, QWidget& window, MessageBoxes& messages, FileDialogs& dialogs,
                  QSettings& settings);

    // The file of the design, absolute; empty before the first save or open.
    const QString& filePath() const { return filePath_; }
    // Whether the model differs from the design last saved or opened (at start: from the
    // start texts and settings).
    bool isModified() const;
    QStringList recentFiles() const { return recent_.files(); }

    // Файл → Открыть…: the dialog, then openFile. Returns whether a design was opened.
    bool open();
    // Opens a design: reads it whole first, so a bad file only brings a message naming it and
    // the reason and changes nothing; then asks about unsaved changes, puts the design into the
    // controls and calculates. Returns whether the design was opened.
    bool openFile(const QString& path);
    // Сохранить: to the design's file, or through Сохранить как… when it has none.
    bool save();
    bool saveAs();
    // Whether the window may close: true unless the user keeps unsaved changes by cancelling
    // (or a save they asked for fails).
    bool mayClose();

    // Brings the window title up to date: the file's name, "*" while modified.
    void refreshTitle();

signals:
    void recentFilesChanged(const QStringList& files);

private:
    // Asks about unsaved changes; false when the user goes back.
    bool maySetAside();
    bool saveTo(const QString& path);
    void remember(const QString& path);
    QString displayName() const;

    DesignModel& model_;
    QWidget& window_;
    MessageBoxes& messages_;
    FileDialogs& dialogs_;
    RecentFiles recent_;
    QString filePath_;
    DesignDocument saved_;
};

// The file's name, or "Без имени" for a design never saved, "*" when modified, a dash and the
// caption "Расчет параметров воздушного винта".
QString designWindowTitle(const QString& filePath, bool modified);

}  // namespace kelvarin
