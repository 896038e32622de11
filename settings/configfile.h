#pragma once

#include <QByteArray>

#include "runoptions.h"

class QSettings;

// Quorlane's own options beyond the settings file, in $XDG_CONFIG_HOME/quorlane/quorlane.conf.
// A missing, unknown or out-of-range value reads as its default.
namespace ConfigFile {

// Without the logo picture itself: the run's planner reads it from logoPath.
RunOptions load();
// Keeps the file's other keys; on failure the file stays as it was and error says why.
bool save(const RunOptions &options, QString *error = nullptr);

// The name of the preset the window chose last, or empty.
QString lastPreset();
bool saveLastPreset(const QString &name, QString *error = nullptr);

// The main window's size and place as QWidget::saveGeometry() gave them, or empty.
QByteArray windowGeometry();
bool saveWindowGeometry(const QByteArray &geometry, QString *error = nullptr);

// The option table's keys in any file of the same groups (a preset): read leaves the values of
// missing or refused keys as they are.
QString keyOf(const RunOption &option);
void read(const QSettings &file, RunOptions &options);
void write(QSettings &file, const RunOptions &options);

} // namespace ConfigFile
