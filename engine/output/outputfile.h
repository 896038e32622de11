#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include "existingfiles.h"

class QImage;

// Encodes image in format (a lower-case suffix); quality applies to JPEG only. Returns the bytes,
// or sets error and returns an empty array.
QByteArray encodePicture(const QImage &image,
                         const QByteArray &format,
                         int jpegQuality,
                         QString *error);

struct PublishResult
{
    QString path;  // the name the picture was published under
    QString error; // why it could not be, or empty
    bool skipped = false;
};

// Hooks for tests: a call just before each name is tried (between the check and the publish,
// where another writer may take the name), and a way to do without unnamed temporary files as
// NFS, CIFS and FAT must.
struct PublishSeams
{
    std::function<void(const QString &path)> beforeName;
    bool unnamedTemporary = true;
    const char *procFds = "/proc/self/fd"; // where unnamed files are found to be named
};

// Writes bytes as path so that no reader ever sees a partial file and no other writer's file is
// ever replaced. The bytes go into a temporary file in the output folder first (unnamed where
// the file system allows). Replace then swaps the directory entry in one step (a link there is
// replaced itself, never written through); Number and Skip only ever take a free name: a name
// taken meanwhile moves the picture to the next free number that is not in reserved (Number) or
// skips it (Skip). No plain rename over a name, no copy.
PublishResult publishFile(const QByteArray &bytes,
                          const QString &path,
                          ExistingFiles existing,
                          const QStringList &reserved = {},
                          const PublishSeams &seams = {});

// errno as a reason a user understands ("no space left on the device").
QString systemErrorText(int error);
