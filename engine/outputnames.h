#pragma once

#include <QStringList>

// Output paths of one run, assigned in list order before the first picture is read. With the
// format row 0 ("Original") the source's file name is kept; otherwise the complete base name
// gets the format's suffix. A path already taken in this run gets " (2)", " (3)" … before its
// last dot, so no output of the run overwrites another.
QStringList assignOutputPaths(const QStringList &sources,
                              const QString &outputDir,
                              const QString &format);
