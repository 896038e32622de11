#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Stamps a JPEG without a generation of loss: only the 8×8 blocks that a drawn pixel touches are
// encoded again, with the source's own quantisation tables and sampling; every other block keeps
// the source's coefficients bit for bit. The pixels stay in the stored frame, so the output keeps
// the source's EXIF orientation. Metadata is not written here: the output carries the source's
// JFIF, ICC and Adobe segments only.
namespace JpegKeeper {

// Why the JPEG in bytes cannot keep its compression ("CMYK JPEG", "12-bit JPEG", "damaged
// JPEG" ...), or empty when it can. Reads the header only.
QString problem(const QByteArray &bytes);

struct Result
{
    QByteArray bytes; // empty when the picture must take the normal path
    QString problem;  // why, then
};

// before and after are the upright picture as decoded and as stamped (same size); orientation is
// the EXIF orientation (1 to 8) that made them upright from the stored pixels.
Result stamp(const QByteArray &bytes, const QImage &before, const QImage &after, int orientation);

} // namespace JpegKeeper
