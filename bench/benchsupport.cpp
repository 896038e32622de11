#include "benchsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <sys/resource.h>

#include <exiv2/exiv2.hpp>

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

// What a camera and a photo library leave in a file: EXIF with a thumbnail and GPS, IPTC, XMP.
void addCameraMetadata(const QString &path, const QImage &picture)
{
    QByteArray thumb;
    QBuffer buffer(&thumb);
    buffer.open(QIODevice::WriteOnly);
    picture.scaled(160, 120).save(&buffer, "jpeg");
    auto file = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    file->readMetadata();
    Exiv2::ExifData &exif = file->exifData();
    exif["Exif.Image.Make"] = "Canon";
    exif["Exif.Image.Model"] = "Canon EOS 5D Mark IV";
    exif["Exif.Photo.DateTimeOriginal"] = "2024:06:01 12:00:00";
    exif["Exif.Photo.ExposureTime"] = "1/250";
    exif["Exif.Photo.FNumber"] = "56/10";
    exif["Exif.GPSInfo.GPSLatitude"] = "59/1 20/1 0/1";
    exif["Exif.Canon.OwnerName"] = "Anna Berg";
    Exiv2::ExifThumb(exif).setJpegThumbnail(
      reinterpret_cast<const Exiv2::byte *>(thumb.constData()), long(thumb.size()));
    file->iptcData()["Iptc.Application2.Byline"] = "Anna Berg";
    file->iptcData()["Iptc.Application2.City"] = "Uppsala";
    file->xmpData()["Xmp.dc.creator"] = "Anna Berg";
    file->xmpData()["Xmp.dc.subject"] = "river";
    file->writeMetadata();
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
            const QImage picture = photo(size, quint32(i * 7919 + size.width()));
            if (!writer.write(picture))
                qFatal("cannot write %s", qPrintable(path));
            addCameraMetadata(path + QStringLiteral(".part"), picture);
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
