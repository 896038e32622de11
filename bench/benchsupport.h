#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Photo-like test pictures (smooth colour fields with grain, JPEG quality 92, so that file
// sizes and decode times look like a camera's, and a camera's metadata), made once into a folder
// and reused.
QStringList makePhotos(const QString &dir, const QString &prefix, int count, const QSize &size);

// Peak resident memory of this process so far, in MB.
double peakMemoryMB();
