// Writes small camera-like pictures (EXIF with GPS and a thumbnail, IPTC, XMP) in every format
// that carries metadata: seeds for the picture fuzzer's metadata path.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <exiv2/exiv2.hpp>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QByteArray thumb;
    QBuffer buffer(&thumb);
    buffer.open(QIODevice::WriteOnly);
    image.scaled(16, 12).save(&buffer, "jpeg");

    for (const char *format : { "jpg", "png", "tiff", "webp" }) {
        const QString path = dir.filePath(QStringLiteral("camera.") + QLatin1String(format));
        if (!image.save(path))
            return 1;
        try {
            auto file = Exiv2::ImageFactory::open(path.toStdString());
            file->readMetadata();
            Exiv2::ExifData &exif = file->exifData();
            exif["Exif.Image.Make"] = "Canon";
            exif["Exif.Image.Model"] = "Canon EOS 400D DIGITAL";
            exif["Exif.Image.Orientation"] = uint16_t(6);
            exif["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:20:30";
            exif["Exif.GPSInfo.GPSLatitude"] = "59/1 20/1 0/1";
            exif["Exif.Canon.OwnerName"] = "Anna";
            Exiv2::ExifThumb(exif).setJpegThumbnail(
              reinterpret_cast<const Exiv2::byte *>(thumb.constData()), long(thumb.size()));
            if (QByteArray(format) != "webp") {
                file->iptcData()["Iptc.Application2.City"] = "Uppsala";
                file->iptcData()["Iptc.Application2.Byline"] = "Anna Berg";
            }
            file->xmpData()["Xmp.dc.creator"] = "Anna Berg";
            file->xmpData()["Xmp.photoshop.City"] = "Uppsala";
            file->writeMetadata();
        } catch (const std::exception &error) {
            qWarning("%s: %s", format, error.what());
            return 1;
        }
    }
    return 0;
}
