#pragma once

#include <QByteArray>
#include <QString>

// A picture's metadata as the blocks a HEIF-family file stores (it has no IPTC): what the HEIF
// codec reads from a source and attaches to an output.
struct MetadataBlocks
{
    QByteArray exif; // a TIFF-structured EXIF block, without libheif's 4-byte offset
    QByteArray xmp;
    QString error; // why the blocks could not be read, or what was left out and why; or empty
};
