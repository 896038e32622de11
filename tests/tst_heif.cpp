// HEIF-family pictures in, WebP, AVIF and HEIC out: upright, with the metadata and colours the
// options keep. The test pictures are made here with libheif's encoder; the public suite beside the
// checkout (skipped when it is not there) checks real phone and camera files and broken ones.
#include <QColorSpace>
#include <QDirIterator>
#include <QtTest>

#include <exiv2/exiv2.hpp>
#include <libheif/heif.h>

#include "engine/imageio/heifcodec.h"
#include "engine/imageio/picturemetadata.h"
#include "engine/imageio/picturereader.h"
#include "testsupport.h"

namespace {

const QSize shown(30, 40);

// Red in the top-left quarter of the upright picture, blue elsewhere; half transparent blue with
// alpha.
QImage uprightPicture(bool alpha)
{
    QImage image = solidImage(shown.width(),
                              shown.height(),
                              alpha ? QColor(0, 0, 255, 128) : QColor(Qt::blue),
                              alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < shown.height() / 2; ++y)
        for (int x = 0; x < shown.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    image.setColorSpace(QColorSpace::DisplayP3);
    return image;
}

Exiv2::ExifData cameraExif(uint16_t orientation)
{
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "Canon";
    exif["Exif.Image.Model"] = "Canon EOS 400D DIGITAL";
    exif["Exif.Image.Orientation"] = orientation;
    exif["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:20:30";
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    exif["Exif.GPSInfo.GPSLatitude"] = "59/1 20/1 0/1";
    return exif;
}

// A phone-like HEIC or AVIF: pixels stored sideways with 'irot' to show them upright, and EXIF
// Orientation 6 as phones write it, which must not turn the picture a second time.
QString makeHeif(const QString &path, bool alpha)
{
    const QImage stored =
      uprightPicture(alpha)
        .transformed(QTransform().rotate(-90))
        .convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto chroma = alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    heif_context *context = heif_context_alloc();
    heif_image *image = nullptr;
    heif_image_create(stored.width(), stored.height(), heif_colorspace_RGB, chroma, &image);
    heif_image_add_plane(image, heif_channel_interleaved, stored.width(), stored.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < stored.height(); ++y)
        memcpy(
          plane + y * stride, stored.constScanLine(y), size_t(stored.width()) * (alpha ? 4 : 3));
    const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    heif_image_set_raw_color_profile(image, "prof", icc.constData(), size_t(icc.size()));
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(
      context, path.endsWith("avif") ? heif_compression_AV1 : heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation_rotate_90_cw;
    heif_image_handle *handle = nullptr;
    heif_context_encode_image(context, image, encoder, options, &handle);
    Exiv2::Blob tiff;
    Exiv2::ExifParser::encode(tiff, Exiv2::littleEndian, cameraExif(6));
    heif_context_add_exif_metadata(context, handle, tiff.data(), int(tiff.size()));
    heif_context_write_to_file(context, path.toUtf8().constData());
    heif_image_handle_release(handle);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
    return path;
}

QString makeJpeg(const QString &dir)
{
    const QString path = writeImage(dir, "camera.jpg", uprightPicture(false), "jpeg", 95);
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata();
    file->setExifData(cameraExif(1));
    file->writeMetadata();
    return path;
}

Exiv2::ExifData exifOf(const QString &path)
{
    Exiv2::ExifData exif;
    if (HeifCodec::isHeifFile(path)) {
        const QByteArray tiff = HeifCodec::readMetadata(path).exif;
        Exiv2::ExifParser::decode(
          exif, reinterpret_cast<const Exiv2::byte *>(tiff.constData()), uint32_t(tiff.size()));
    } else {
        auto file = Exiv2::ImageFactory::open(path.toStdString());
        file->readMetadata();
        exif = file->exifData();
    }
    return exif;
}

QString suiteDir()
{
    return QStringLiteral(QUORLANE_SOURCE_DIR "/../shared/suites/heif-avif");
}

// The content of the first box of type in bytes (searched by name: the test files are small
// and made here), or -1.
qsizetype boxContent(const QByteArray &bytes, const char *type)
{
    const qsizetype at = bytes.indexOf(type);
    return at < 4 ? -1 : at + 4;
}

void putBigEndian(QByteArray &bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * (size - 1 - i)));
}

} // namespace

class TestHeif : public QObject
{
    Q_OBJECT

private slots:
    void everyFormatComesOutUpright_data();
    void everyFormatComesOutUpright();
    void declaredSizeIsCheckedBeforeDecoding();
    void craftedSizesAreRefused_data();
    void craftedSizesAreRefused();
    void suitePicturesAreReadOrRefused();
    void phonePictureBecomesAnUprightJpeg();
};

void TestHeif::everyFormatComesOutUpright_data()
{
    QTest::addColumn<QString>("source"); // heic, avif (with alpha) or jpg
    QTest::addColumn<QString>("format");
    QTest::addColumn<ColourChoice>("colour");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("srgb");  // written in sRGB, not Display P3
    QTest::addColumn<bool>("alpha"); // transparency kept
    QTest::addColumn<bool>("exif");  // the camera's EXIF kept

    const auto keep = ColourChoice::Keep;
    QTest::newRow("heic as itself") << "heic"
                                    << "Original" << keep << "heic" << false << false << true;
    QTest::newRow("heic as jpg") << "heic"
                                 << "jpg" << keep << "jpg" << false << false << true;
    QTest::newRow("heic as webp") << "heic"
                                  << "webp" << keep << "webp" << false << false << true;
    QTest::newRow("heic as bmp") << "heic"
                                 << "bmp" << keep << "bmp" << true << false << false;
    QTest::newRow("heic as srgb jpg")
      << "heic"
      << "jpg" << ColourChoice::Srgb << "jpg" << true << false << true;
    QTest::newRow("avif as itself") << "avif"
                                    << "Original" << keep << "avif" << false << true << true;
    QTest::newRow("avif as png") << "avif"
                                 << "png" << keep << "png" << false << true << true;
    QTest::newRow("avif as webp") << "avif"
                                  << "webp" << keep << "webp" << false << true << true;
    QTest::newRow("jpg as avif") << "jpg"
                                 << "avif" << keep << "avif" << false << false << true;
    QTest::newRow("jpg as srgb avif")
      << "jpg"
      << "avif" << ColourChoice::Srgb << "avif" << true << false << true;
    QTest::newRow("jpg as webp") << "jpg"
                                 << "webp" << keep << "webp" << false << false << true;
}

void TestHeif::everyFormatComesOutUpright()
{
    QFETCH(QString, source);
    QFETCH(QString, format);
    QFETCH(ColourChoice, colour);
    QFETCH(QString, suffix);
    QFETCH(bool, srgb);
    QFETCH(bool, alpha);
    QFETCH(bool, exif);
    QTemporaryDir dir;
    const QString path = source == "jpg"
                           ? makeJpeg(dir.path())
                           : makeHeif(dir.filePath("phone." + source), source == "avif");
    RunSnapshot run = testRun({ path }, dir.filePath("out"), format, Position::BottomRight);
    QDir().mkpath(run.outputDir);
    run.text = QStringLiteral(".");
    run.policy.colour = colour;
    const BatchReport report = runToEnd(run);
    QCOMPARE(report.outcomes.at(0).status, JobOutcome::Status::Written);
    QCOMPARE(report.outcomes.at(0).metadataReason, QString());
    const QString output = report.outcomes.at(0).output;
    QCOMPARE(QFileInfo(output).suffix(), suffix);
    QCOMPARE(HeifCodec::isHeifFile(output), suffix == "avif" || suffix == "heic");

    const QImage written = PictureReader::read(output).image;
    QCOMPARE(written.size(), shown);
    QCOMPARE(written.hasAlphaChannel(), alpha);
    // Upright: red at the top left, blue at the top right (lossy coding moves colours a little).
    const QColor topLeft = written.pixelColor(5, 5);
    const QColor topRight = written.pixelColor(shown.width() - 5, 5);
    QVERIFY2(topLeft.red() > 150 && topLeft.blue() < 100, qPrintable(topLeft.name()));
    QVERIFY2(topRight.blue() > 100 && topRight.red() < 100, qPrintable(topRight.name()));
    const QColorSpace expected(srgb ? QColorSpace::SRgb : QColorSpace::DisplayP3);
    QVERIFY2(written.colorSpace() == expected || (srgb && !written.colorSpace().isValid()),
             qPrintable(written.colorSpace().description()));

    const Exiv2::ExifData kept = exif ? exifOf(output) : Exiv2::ExifData();
    if (exif) {
        QCOMPARE(PictureMetadata::read(output).camera(), QStringLiteral("Canon EOS 400D DIGITAL"));
        QCOMPARE(kept.findKey(Exiv2::ExifKey("Exif.Image.Orientation"))->toLong(), 1L);
        QVERIFY(kept.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) == kept.end());
    }
}

void TestHeif::declaredSizeIsCheckedBeforeDecoding()
{
    QTemporaryDir dir;
    const QString path = makeHeif(dir.filePath("phone.heic"), false);
    QCOMPARE(PictureReader::declaredSize(path), shown);
    // One byte short of the picture's 32-bit pixels: refused with its size, not decoded.
    const HeifCodec::Decoded refused =
      HeifCodec::decode(path, shown.width() * shown.height() * 4 - 1);
    QVERIFY(refused.image.isNull());
    QVERIFY2(refused.error.contains("30 × 40"), qPrintable(refused.error));
    const HeifCodec::Decoded d = HeifCodec::decode(path, shown.width() * shown.height() * 4);
    QVERIFY2(!d.image.isNull(), qPrintable(d.error));
}

void TestHeif::craftedSizesAreRefused_data()
{
    QTest::addColumn<QString>("crafted"); // what is patched
    QTest::addColumn<QString>("reason");
    QTest::newRow("a grid larger than its ispe")
      << "grid"
      << "its grid of tiles is 32767 × 32767, but the picture says";
    QTest::newRow("a coded stream larger than its ispe")
      << "stream"
      << "the decoded picture is 256 × 256, but the picture says 64 × 64";
}

void TestHeif::craftedSizesAreRefused()
{
    QFETCH(QString, crafted);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QByteArray bytes;
    if (crafted == "grid") {
        // The encoder stores a turned picture as a one-tile grid whose header is in 'idat':
        // version, flags, rows - 1, columns - 1, then 16-bit width and height.
        bytes = fileBytes(makeHeif(dir.filePath("made.heic"), false));
        const qsizetype grid = boxContent(bytes, "idat");
        QVERIFY(grid > 0 && bytes.at(grid + 1) == 0);
        putBigEndian(bytes, grid + 4, 32767, 2);
        putBigEndian(bytes, grid + 6, 32767, 2);
    } else {
        // A 256 × 256 stream whose item says 64 × 64: 'ispe' is version, flags, width, height.
        bytes = HeifCodec::encode(solidImage(256, 256, Qt::darkGreen), "heic", 50, {}).bytes;
        const qsizetype ispe = boxContent(bytes, "ispe");
        QVERIFY(ispe > 0);
        putBigEndian(bytes, ispe + 4, 64, 4);
        putBigEndian(bytes, ispe + 8, 64, 4);
    }
    const QString path = writeFile(dir.filePath("crafted.heic"), bytes);
    // Refused on the way every run and every preview reads a picture.
    const PictureReader::Result read = PictureReader::read(path);
    QVERIFY(!read.ok());
    QVERIFY2(read.error.startsWith(reason), qPrintable(read.error));
    QVERIFY(!DecodeBuffer().read(path).ok());
}

void TestHeif::suitePicturesAreReadOrRefused()
{
    if (!QFileInfo(suiteDir()).isDir())
        QSKIP("the HEIF and AVIF suite is not beside this checkout");
    // Sizes after the files' own crop, rotation and mirroring.
    const QMap<QString, QSize> sizes = {
        { "heic-iphone_arrow.heic", QSize(3024, 4032) },
        { "avif_mirror-rotate270-crop.avif", QSize(385, 330) },
        { "heif_yuv444-clap-crop.heif", QSize(29, 100) },
        { "heic_thumbnail-bigger-than-image.heic", QSize(1197, 1227) },
        { "avif_rotate90-exif.avif", QSize(1080, 1920) },
    };
    QDirIterator it(suiteDir(), { "*.heic", "*.heif", "*.hif", "*.avif", "*.avifs" }, QDir::Files);
    int read = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        if (name.startsWith("heic-samsung_200MP"))
            continue; // 800 MB: the suite's memory test, not this one's
        QVERIFY2(HeifCodec::isHeifFile(path) || name.startsWith("unsupported-heif_mini"),
                 qPrintable(name));
        const PictureReader::Result result = PictureReader::read(path);
        const bool mustFail =
          name.startsWith("bad-") || name.startsWith("unsupported-") || name.startsWith("avifs_");
        QVERIFY2(result.ok() != mustFail, qPrintable(name + ": " + result.error));
        QVERIFY2(mustFail == !result.error.isEmpty(), qPrintable(name));
        if (sizes.contains(name))
            QCOMPARE(result.image.size(), sizes.value(name));
        read += result.ok();
    }
    QCOMPARE(read, 28);
    QCOMPARE(PictureReader::read(suiteDir() + "/avif_nclx-displayp3.avif").image.colorSpace(),
             QColorSpace(QColorSpace::DisplayP3));
    // Exiv2 finds no EXIF in this two-image file; libheif's block does.
    QCOMPARE(PictureMetadata::read(suiteDir() + "/heic_two-images-p3.heic").camera(),
             QStringLiteral("Apple iPhone XS"));
}

void TestHeif::phonePictureBecomesAnUprightJpeg()
{
    const QString source = suiteDir() + "/heic-iphone_arrow.heic";
    if (!QFileInfo::exists(source))
        QSKIP("the HEIF and AVIF suite is not beside this checkout");
    QTemporaryDir dir;
    RunSnapshot run = testRun({ source }, dir.path(), "jpg", Position::BottomRight);
    const BatchReport report = runToEnd(run);
    QCOMPARE(report.outcomes.at(0).status, JobOutcome::Status::Written);
    const QString output = report.outcomes.at(0).output;
    QCOMPARE(PictureReader::read(output).image.size(), QSize(3024, 4032));
    QCOMPARE(PictureReader::read(output).image.colorSpace().primaries(),
             QColorSpace::Primaries::DciP3D65);
    const PictureMetadata metadata = PictureMetadata::read(output);
    QCOMPARE(metadata.camera(), QStringLiteral("Apple iPhone 8 Plus"));
    QCOMPARE(metadata.dateTaken(), QStringLiteral("2018-07-31"));
    const Exiv2::ExifData exif = exifOf(output);
    QCOMPARE(exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"))->toLong(), 1L);
    QVERIFY(exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) == exif.end());
}

QTEST_MAIN(TestHeif)
#include "tst_heif.moc"
