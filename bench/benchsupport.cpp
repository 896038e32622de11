#include "benchsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <sys/resource.h>

#include "tools/grain.h"

namespace {

QImage photo(const QSize &size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QPainter p(&image);
    QLinearGradient sky(0, 0, size.width() * 0.3, size.height());
    sky.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 120, 230));
    sky.setColorAt(0.55, QColor::fromHsv(int(random.bounded(360)), 90, 160));
    sky.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 160, 60));
    p.fillRect(image.rect(), sky);
    for (int i = 0; i < 40; ++i) {
        const QColor c = QColor::fromHsv(
          int(random.bounded(360)), int(random.bounded(255)), int(random.bounded(255)), 90);
        const int w = int(random.bounded(size.width() / 3)) + 20;
        p.setBrush(c);
        p.setPen(Qt::NoPen);
        p.drawEllipse(
          QPoint(int(random.bounded(size.width())), int(random.bounded(size.height()))), w, w / 2);
    }
    p.end();
    // Grain, as a sensor leaves it: what makes camera JPEGs large.
    addGrain(image, random, 12);
    return image;
}

} // namespace

QStringList makePhotos(const QString &dir, const QString &prefix, int count, const QSize &size)
{
    QDir().mkpath(dir);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path =
          QStringLiteral("%1/%2-%3.jpg").arg(dir, prefix).arg(i, 2, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(path)) {
            QImageWriter writer(path + QStringLiteral(".part"), "jpeg");
            writer.setQuality(92);
            if (!writer.write(photo(size, quint32(i * 7919 + size.width()))))
                qFatal("cannot write %s", qPrintable(path));
            QFile::rename(path + QStringLiteral(".part"), path);
        }
        paths << path;
    }
    return paths;
}

double peakMemoryMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
