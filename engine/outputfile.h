#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "outputpolicy.h"

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

// Writes bytes as path so that no reader ever sees a partial file. Replace swaps the file in
// atomically; Number and Skip never replace a file: a name taken meanwhile by another program
// moves the picture to the next free number that is not in reserved (Number) or skips it (Skip).
PublishResult publishFile(const QByteArray &bytes,
                          const QString &path,
                          ExistingFiles existing,
                          const QStringList &reserved = {});
