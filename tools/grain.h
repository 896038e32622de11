#pragma once

#include <QImage>
#include <QRandomGenerator>

// Adds sensor-like grain (a random offset of up to ±amount on all three channels) to an RGB32
// picture, so that generated pictures compress and look like photos.
inline void addGrain(QImage &image, QRandomGenerator &random, int amount)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(2 * amount + 1)) - amount;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255),
                           qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
}
