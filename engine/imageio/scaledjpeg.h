#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// libjpeg decodes a JPEG at 1/2, 1/4 or 1/8 of each side from the same data in a fraction of the
// time of a full decode: a picture written at most half its size needs no more than that
// ("shrink on load"). Qt's reader cannot be asked for these scales exactly (for a side that is
// not a multiple of 8 it picks a larger scale and resamples), so libjpeg is driven directly.
namespace ScaledJpeg {

// The size libjpeg gives a picture of size at eighths / 8 of each side: each side rounded up.
QSize scaledSize(const QSize &size, int eighths);

// The fewest eighths (1, 2 or 4) at which a picture of size still covers minimum on both sides,
// when minimum is at most half of size on both sides; 8 (the whole picture) otherwise.
int eighthsFor(const QSize &size, const QSize &minimum);

// Whether a warning of libjpeg's says that scan data was lost. Extraneous bytes before a header
// marker (APPn, COM, DQT, DHT, SOFn, SOS) lose nothing; before the end of the picture or a restart
// marker they are what was left of a damaged scan.
bool losesScanData(const QString &warning);

struct Decoded
{
    QImage image;       // 32-bit RGB in the stored frame; null when not decoded this way
    QString incomplete; // libjpeg's word that part of the picture is missing, or empty
};

// Decodes the JPEG file in bytes at eighths / 8 of each side, with its colour profile and
// resolution, into target's pixels when target has that size and 32-bit RGB (else into a new
// image), refusing to allocate more than limitBytes. Only 8-bit YCbCr, RGB and grey pictures are
// decoded; anything else, or any error, gives a null image for the usual reader to try.
Decoded decode(const QByteArray &bytes, int eighths, QImage target, qint64 limitBytes);

} // namespace ScaledJpeg
