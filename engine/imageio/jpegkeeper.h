#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QIODevice;

// Stamps a JPEG without a generation of loss: only the 8×8 blocks that a drawn pixel touches are
// encoded again, with the source's own quantisation tables and sampling; every other block keeps
// the source's coefficients bit for bit, and only the part of the picture the mark reaches is
// decoded. The pixels stay in the stored frame, so the output keeps the source's EXIF
// orientation. Metadata is not written here: the output carries the source's JFIF, ICC and Adobe
// segments only.
namespace JpegKeeper {

struct Header
{
    QString problem; // why the compression cannot be kept ("CMYK JPEG", "12-bit JPEG" ...)
    QSize size;      // in the stored frame
    QByteArray iccProfile;
    int components = 0;
};

// What the header of the JPEG in bytes says (the bytes up to its first scan are enough).
Header inspect(const QByteArray &bytes);
// The bytes of the JPEG in file up to the end of its first scan's header, read segment by
// segment (what was read, when the file ends first or is no JPEG).
QByteArray readHeader(QIODevice &file);
// The most bytes a JPEG of this header can use: whatever follows them is no part of its scans,
// however large the file.
qint64 maxFileSize(const Header &header);

struct Result
{
    QByteArray bytes; // empty when the picture must take the normal path
    QString problem;  // why, then
};

// Stamps the JPEG in bytes, stored turned by the EXIF orientation (1 to 8): draw paints on the
// picture upright, whose pixels are set only within reach (upright), and must read or change
// none outside it; it returns false when it could not draw.
Result stamp(const QByteArray &bytes,
             int orientation,
             const QRect &reach,
             const std::function<bool(QImage &)> &draw);

} // namespace JpegKeeper
