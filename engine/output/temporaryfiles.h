#pragma once

#include <QByteArray>

// The named temporary files this process has open in output folders (where the file system has
// no unnamed ones), so that a process that must end at once can remove them first. Each is named
// ".quorlane-PID-N.tmp" in the folder of the picture it will become.
namespace TemporaryFiles {

inline constexpr char prefix[] = ".quorlane-";
inline constexpr char suffix[] = ".tmp";

void add(const QByteArray &path);
void remove(const QByteArray &path);
// Unlinks every file still listed; for the last moments of a process.
void removeAll();

} // namespace TemporaryFiles
