#include <QBuffer>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include "engine/imageio/picturereader.h"
#include "testsupport.h"

namespace {

QByteArray jpegBytes(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 95);
    return data;
}

// Patches the frame header so that the file declares width × height.
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height)
{
    const int sof = int(jpeg.indexOf("\xff\xc0"));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

QString writeBytes(const QString &path, const QByteArray &data)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(data);
    return path;
}

} // namespace

class TestPictureReader : public QObject
{
    Q_OBJECT

private slots:
    void exifOrientationIsApplied();
    void thumbnails_data();
    void thumbnails();
    void paintableFormats_data();
    void paintableFormats();
    void pictureAboveQtsDefaultLimitIsRead();
    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void decodeBufferReusesMemoryAndDropsMetadata();
    void tiffWithAbsurdSamplesIsRefusedBeforeDecoding();
    void bigTiffWithAbsurdSamplesIsRefusedBeforeDecoding();
    void pngChunkPastTheEndIsRefusedBeforeDecoding();

private:
    QTemporaryDir m_dir; // the thumbnail table's pictures
};

void TestPictureReader::exifOrientationIsApplied()
{
    QTemporaryDir dir;
    QImage stored = solidImage(200, 100, Qt::blue);
    QPainter(&stored).fillRect(0, 0, 200, 50, Qt::red); // top half red
    const QString path = writeBytes(dir.filePath("o6.jpg"), withOrientation(jpegBytes(stored), 6));

    for (const QImage &image :
         { PictureReader::read(path).image, DecodeBuffer().read(path).image }) {
        QCOMPARE(image.size(), QSize(100, 200));
        // Rotated a quarter turn clockwise: the stored top is now the right side.
        QVERIFY(qRed(image.pixel(80, 100)) > 200 && qBlue(image.pixel(80, 100)) < 60);
        QVERIFY(qBlue(image.pixel(20, 100)) > 200 && qRed(image.pixel(20, 100)) < 60);
    }
}

void TestPictureReader::paintableFormats_data()
{
    QTest::addColumn<QImage::Format>("stored");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QImage::Format>("expected");
    QTest::newRow("palette png") << QImage::Format_Indexed8 << "png" << QImage::Format_RGB32;
    QTest::newRow("palette bmp") << QImage::Format_Indexed8 << "bmp" << QImage::Format_RGB32;
    QTest::newRow("xpm") << QImage::Format_RGB32 << "xpm" << QImage::Format_RGB32;
    QTest::newRow("grayscale png") << QImage::Format_Grayscale8 << "png" << QImage::Format_RGB32;
    QTest::newRow("monochrome png") << QImage::Format_Mono << "png" << QImage::Format_RGB32;
    QTest::newRow("palette png with alpha")
      << QImage::Format_ARGB32 << "png-palette" << QImage::Format_ARGB32;
}

void TestPictureReader::paintableFormats()
{
    QFETCH(QImage::Format, stored);
    QFETCH(QString, suffix);
    QFETCH(QImage::Format, expected);
    QTemporaryDir dir;
    QImage image = solidImage(40, 30, QColor(90, 90, 90), QImage::Format_ARGB32);
    if (suffix == "png-palette") {
        image.setPixelColor(0, 0, Qt::transparent);
        image = image.convertToFormat(QImage::Format_Indexed8);
        suffix = "png";
    } else {
        image = image.convertToFormat(QImage::Format_RGB32).convertToFormat(stored);
    }
    const QString path = writeImage(dir.path(), "p." + suffix, image);
    const QImage read = PictureReader::read(path).image;
    QCOMPARE(read.format(), expected);
    // A coloured pen really paints on it.
    QImage copy = read;
    QPainter(&copy).fillRect(0, 0, 5, 5, Qt::red);
    QCOMPARE(copy.pixelColor(2, 2), QColor(Qt::red));
}

void TestPictureReader::pictureAboveQtsDefaultLimitIsRead()
{
    QTemporaryDir dir;
    // 6000 × 6000 × 4 bytes = 144 MB: above Qt's default limit of 128 MB.
    const QString path =
      writeImage(dir.path(), "big.jpg", solidImage(6000, 6000, Qt::darkCyan), "jpeg", 50);
    const PictureReader::Result result = PictureReader::read(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), QSize(6000, 6000));
}

void TestPictureReader::hostileFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray small = jpegBytes(solidImage(16, 16, Qt::gray));
    QTest::newRow("tiny file declaring 60000x60000") << withDeclaredSize(small, 60000, 60000);
    QTest::newRow("truncated jpeg") << small.left(small.size() / 3);
    QTest::newRow("not a picture") << QByteArray("hello, world");
    QTest::newRow("empty file") << QByteArray();
}

void TestPictureReader::hostileFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = writeBytes(dir.filePath("bad.jpg"), content);
    const PictureReader::Result result = PictureReader::read(path);
    QVERIFY(!result.ok());
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!DecodeBuffer().read(path).ok());
}

void TestPictureReader::tiffWithAbsurdSamplesIsRefusedBeforeDecoding()
{
    // A small TIFF of Qt's whose first directory is made to declare 65535 samples per pixel:
    // libtiff would ask for gigabytes before failing.
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(solidImage(266, 90, Qt::gray).save(&buffer, "tiff"));
    const auto *bytes = reinterpret_cast<const uchar *>(tiff.constData());
    const quint32 ifd = qFromLittleEndian<quint32>(bytes + 4);
    const int entries = qFromLittleEndian<quint16>(bytes + ifd);
    bool patched = false;
    for (int i = 0; i < entries; ++i) {
        const int at = int(ifd) + 2 + i * 12;
        if (qFromLittleEndian<quint16>(bytes + at) == 0x115) {
            qToLittleEndian<quint16>(65535, tiff.data() + at + 8);
            patched = true;
        }
    }
    QVERIFY(patched);
    QTemporaryDir dir;
    const QString path = writeBytes(dir.filePath("samples.tif"), tiff);
    QCOMPARE(PictureReader::read(path).error,
             QString("the picture declares 65535 samples per pixel"));
    QCOMPARE(DecodeBuffer().read(path).error,
             QString("the picture declares 65535 samples per pixel"));
}

void TestPictureReader::bigTiffWithAbsurdSamplesIsRefusedBeforeDecoding()
{
    // BigTIFF: 64-bit offsets and counts, 20-byte entries; one entry, SamplesPerPixel 65535.
    QByteArray tiff("II\x2b\0\x08\0\0\0", 8);
    tiff.append("\x10\0\0\0\0\0\0\0", 8);                // the first directory, at 16
    tiff.append("\x01\0\0\0\0\0\0\0", 8);                // one entry
    tiff.append("\x15\x01\x03\0\x01\0\0\0\0\0\0\0", 12); // tag 0x115, SHORT, count 1
    tiff.append("\xff\xff\0\0\0\0\0\0", 8);              // the value
    tiff.append(8, '\0');                                // no next directory
    QTemporaryDir dir;
    const QString path = writeBytes(dir.filePath("samples.tif"), tiff);
    QCOMPARE(PictureReader::read(path).error,
             QString("the picture declares 65535 samples per pixel"));
}

void TestPictureReader::decodeBufferReusesMemoryAndDropsMetadata()
{
    QTemporaryDir dir;
    QImage first = solidImage(64, 48, Qt::red);
    first.setText("Description", "belongs to the first picture");
    const QString a = writeImage(dir.path(), "a.png", first);
    const QString b = writeImage(dir.path(), "b.png", solidImage(64, 48, Qt::green));
    const QString c = writeImage(dir.path(), "c.png", solidImage(30, 20, Qt::blue));

    DecodeBuffer buffer;
    QCOMPARE(PictureReader::read(a).image.text("Description"),
             QStringLiteral("belongs to the first picture"));
    PictureReader::Result ra = buffer.read(a);
    QVERIFY(ra.image.textKeys().isEmpty());
    const uchar *memory = ra.image.constBits();
    ra = {};
    PictureReader::Result rb = buffer.read(b);
    QCOMPARE(rb.image.constBits(), memory);
    QCOMPARE(rb.image.pixelColor(10, 10), QColor(Qt::green));
    QVERIFY(rb.image.textKeys().isEmpty());
    rb = {};
    PictureReader::Result rc = buffer.read(c);
    QCOMPARE(rc.image.size(), QSize(30, 20));
    QCOMPARE(rc.image.pixelColor(1, 1), QColor(Qt::blue));
}

void TestPictureReader::pngChunkPastTheEndIsRefusedBeforeDecoding()
{
    QImage image = solidImage(40, 30, Qt::gray);
    image.setText("Comment", "hello");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "png"));
    const qsizetype text = png.indexOf("tEXt") - 4;
    QVERIFY(text > 8);
    QTemporaryDir dir;
    QVERIFY(PictureReader::read(writeBytes(dir.filePath("whole.png"), png)).ok());

    // The text chunk declares a gigabyte and the file ends soon after, as libpng's crasher does.
    QByteArray huge = png.left(text + 20);
    qToBigEndian<quint32>(0x3fffffff, huge.data() + text);
    const QString why("the picture is damaged: its tEXt chunk runs past the end");
    QCOMPARE(PictureReader::read(writeBytes(dir.filePath("huge.png"), huge)).error, why);
    // A cut inside the image data is the decoder's to report.
    const QString cut = writeBytes(dir.filePath("cut.png"), png.left(png.indexOf("IDAT") + 10));
    QVERIFY(!PictureReader::read(cut).ok());
    QVERIFY(PictureReader::read(cut).error != why);
}

void TestPictureReader::thumbnails_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour"); // invalid: no thumbnail

    const QString dir = m_dir.path() + QStringLiteral("/thumbnails");
    QDir().mkpath(dir);
    const QImage blue = solidImage(800, 600, Qt::blue);
    // The camera's small picture is used where there is one, turned as the picture is.
    for (const quint16 orientation : { 1, 6 }) {
        const QString path = writeFile(dir + QStringLiteral("/exif-%1.jpg").arg(orientation),
                                       withOrientation(jpegBytes(blue), orientation));
        const QByteArray red = jpegBytes(solidImage(160, 120, Qt::red));
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData exif = image->exifData();
        Exiv2::ExifThumb(exif).setJpegThumbnail(
          reinterpret_cast<const Exiv2::byte *>(red.constData()), long(red.size()));
        image->setExifData(exif);
        image->writeMetadata();
        QTest::addRow("EXIF thumbnail, orientation %d", orientation)
          << path << (orientation == 1 ? QSize(24, 18) : QSize(18, 24)) << QColor(Qt::red);
    }
    QTest::newRow("JPEG without one: an eighth-size decode")
      << writeFile(dir + "/plain.jpg", withOrientation(jpegBytes(blue), 8)) << QSize(18, 24)
      << QColor(Qt::blue);
    QTest::newRow("PNG: the whole picture")
      << writeImage(dir, "tall.png", solidImage(30, 60, Qt::green)) << QSize(12, 24)
      << QColor(Qt::green);
    QTest::newRow("not a picture")
      << writeFile(dir + "/notes.jpg", "text") << QSize(0, 0) << QColor();
    QTest::newRow("a folder") << dir << QSize(0, 0) << QColor();
}

void TestPictureReader::thumbnails()
{
    QFETCH(QString, source);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    const PictureReader::Result result = PictureReader::readThumbnail(source, 24);
    QCOMPARE(result.image.size(), size);
    if (!colour.isValid())
        return;
    const QColor centre = result.image.pixelColor(size.width() / 2, size.height() / 2);
    QVERIFY2(qAbs(centre.red() - colour.red()) < 40 && qAbs(centre.blue() - colour.blue()) < 40 &&
               qAbs(centre.green() - colour.green()) < 40,
             qPrintable(centre.name()));
}

QTEST_MAIN(TestPictureReader)
#include "tst_picturereader.moc"
