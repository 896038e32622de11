#pragma once

#include <QStringList>
#include <QVector>

#include "existingfiles.h"

struct OutputPaths
{
    QStringList paths;     // one per source
    QVector<bool> skipped; // a picture of that name is already there and is to be kept
};

// Output paths of one run, assigned in list order before the first picture is read. Each output
// is named baseNames[i] (by default the source's complete base name) with the format's suffix,
// or with the source's own suffix for the format row 0 ("Original"), which without a template
// keeps the source's file name. A path already taken in this run gets " (2)", " (3)" … before its
// last dot, so no output of the run overwrites another; names are compared as the folder compares
// them (names). With existing Number, a name present in the folder is numbered the same way; with
// Skip, such a picture is marked skipped.
OutputPaths assignOutputPaths(const QStringList &sources,
                              const QString &outputDir,
                              const QString &format,
                              ExistingFiles existing = ExistingFiles::Replace,
                              const QStringList &baseNames = {},
                              Qt::CaseSensitivity names = Qt::CaseSensitive);

// How the file system of folder compares names: CaseInsensitive on one that folds case (exFAT,
// SMB, FAT), found by a probe file of ours that is removed again.
Qt::CaseSensitivity fileNameCase(const QString &folder);

// fileName with " (n)" inserted before its last dot, or appended when it has none; the part
// before it is cut when the name would pass 255 bytes.
QString numberedFileName(const QString &fileName, int n);
