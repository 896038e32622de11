#pragma once

#include <QString>

#include <functional>

class QSettings;

// Writes the small INI file at path through QSettings: fill sets the values on a scratch copy
// (which starts as a copy of the file when keepOthers, so its other keys stay), and the file is
// then replaced in one checked step. On any failure the file stays as it was and error says why.
bool writeIniFile(const QString &path,
                  const std::function<void(QSettings &)> &fill,
                  bool keepOthers,
                  QString *error = nullptr);
