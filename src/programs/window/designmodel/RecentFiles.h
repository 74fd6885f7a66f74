// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QSettings;

namespace kelvarin {

// The designs opened or saved last, most recent first, kept in the user's settings from one
// run to the next.
class RecentFiles {
public:
    static constexpr qsizetype kMaxFiles = 8;

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    QStringList files() const;
    // Puts the file (made absolute) first, dropping its earlier place and the oldest beyond
    // kMaxFiles.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);

    QSettings& settings_;
};

}  // namespace kelvarin
