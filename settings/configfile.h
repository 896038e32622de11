#pragma once

#include "runoptions.h"

// Quorlane's own options beyond the settings file, in $XDG_CONFIG_HOME/quorlane/quorlane.conf.
// A missing, unknown or out-of-range value reads as its default.
namespace ConfigFile {

// Without the logo picture itself: the run's planner reads it from logoPath.
RunOptions load();
// Keeps the file's other keys; on failure the file stays as it was and error says why.
bool save(const RunOptions &options, QString *error = nullptr);

} // namespace ConfigFile
