#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

#include "metadatablocks.h"

// HEIF-family pictures (HEIC, HEIF, HIF, AVIF), read and written with libheif. A file is one of
// them by its 'ftyp' brands, never by its suffix. Only the primary image is used; libheif applies
// the file's own rotation, mirroring and crop, so the EXIF orientation of these files never is.
namespace HeifCodec {

// Whether the file at path declares a HEIF-family brand.
bool isHeifFile(const QString &path);
// Whether a picture of this lower-case suffix is written by this codec.
bool writes(const QByteArray &format);

struct Decoded
{
    QImage image; // 8-bit RGBA or RGBX with the file's colour space; null on failure
    QString error;
};

// The primary image, upright, at most maxBytes of 32-bit pixels (refused before decoding when
// its declared size is larger).
Decoded decode(const QString &path, qint64 maxBytes);
// The primary image's size, upright, or invalid when the file cannot be opened.
QSize declaredSize(const QString &path);

// The primary image's EXIF and XMP blocks.
MetadataBlocks readMetadata(const QString &path);

// A HEIF-family file parsed once: its size, its metadata and its pixels come from the same
// parse, so that a job reads the file's boxes once. Cheap to copy.
class File
{
public:
    static File open(const QString &path);
    // Why the file's primary image cannot be had, or empty.
    QString error() const;
    QSize declaredSize() const;
    MetadataBlocks metadata() const;
    Decoded decode(qint64 maxBytes) const;
    // The first thumbnail stored with the primary image, upright; null when there is none of at
    // most maxBytes of 32-bit pixels, or it cannot be decoded.
    QImage thumbnail(qint64 maxBytes) const;

    struct Opened;

private:
    std::shared_ptr<const Opened> d;
};

// format "avif" encodes AV1, "heic", "heif" and "hif" encode HEVC. quality is the JPEG quality
// scale (1 to 100). The blocks of metadata are attached as they are; the picture's colour space
// is written as its ICC profile, or as sRGB.
struct Encoded
{
    QByteArray bytes; // empty on failure
    QString error;
    QString metadataError; // why a block of metadata was left out, or empty
};
Encoded encode(const QImage &image,
               const QByteArray &format,
               int quality,
               const MetadataBlocks &metadata);

} // namespace HeifCodec
