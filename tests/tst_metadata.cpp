#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include "engine/imageio/picturemetadata.h"
#include "engine/mark/positions.h"
#include "engine/output/outputnames.h"
#include "engine/run/batchrunner.h"
#include "engine/run/runsummary.h"
#include "settings/translators.h"
#include "testsupport.h"

namespace {

// A camera-like picture: make, model, date, author, GPS, place names, Orientation 6 (the pixels
// are stored sideways), an IFD1 thumbnail, a Canon maker note, XMP and a Display P3 profile.
QString cameraPicture(const QString &dir,
                      const char *format = "jpeg",
                      int xmpPadding = 0,
                      int orientation = 6)
{
    QImage image = solidImage(400, 300, QColor(90, 120, 150));
    image.setColorSpace(QColorSpace::DisplayP3);
    const QString path = writeImage(
      dir, QString("camera.") + (format == QByteArray("png") ? "png" : "jpg"), image, format, 90);
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata(); // keeps the colour profile
    Exiv2::ExifData &exif = file->exifData();
    exif["Exif.Image.Make"] = "Canon";
    exif["Exif.Image.Model"] = "Canon EOS 400D DIGITAL";
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:20:30";
    exif["Exif.Image.Artist"] = "Anna Berg";
    exif["Exif.Image.Copyright"] = "Anna Berg";
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    exif["Exif.GPSInfo.GPSLatitude"] = "59/1 20/1 0/1";
    exif["Exif.Canon.OwnerName"] = "Anna";
    const QImage thumb = solidImage(160, 120, Qt::red);
    QByteArray thumbBytes;
    QBuffer buffer(&thumbBytes);
    buffer.open(QIODevice::WriteOnly);
    thumb.save(&buffer, "jpeg");
    Exiv2::ExifThumb(exif).setJpegThumbnail(
      reinterpret_cast<const Exiv2::byte *>(thumbBytes.constData()), long(thumbBytes.size()));
    Exiv2::IptcData &iptc = file->iptcData();
    iptc["Iptc.Application2.City"] = "Uppsala";
    iptc["Iptc.Application2.Byline"] = "Anna Berg";
    iptc["Iptc.Application2.Keywords"] = "river";
    Exiv2::XmpData &xmp = file->xmpData();
    xmp["Xmp.dc.creator"] = "Anna Berg";
    xmp["Xmp.photoshop.City"] = "Uppsala";
    xmp["Xmp.exif.GPSLatitude"] = "59,20.0N";
    xmp["Xmp.tiff.Orientation"] = "6";
    xmp["Xmp.dc.description"] = std::string(size_t(xmpPadding), 'x');
    file->writeMetadata();
    return path;
}

// The keys of a written file, and its EXIF/XMP values by key.
struct Written
{
    QMap<QString, QString> values;
    bool hasThumbnail = false;
};

Written readBack(const QString &path)
{
    Written written;
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata();
    for (const auto &d : file->exifData())
        written.values[QString::fromStdString(d.key())] = QString::fromStdString(d.toString());
    for (const auto &d : file->iptcData())
        written.values[QString::fromStdString(d.key())] = QString::fromStdString(d.toString());
    for (const auto &d : file->xmpData())
        written.values[QString::fromStdString(d.key())] = QString::fromStdString(d.toString());
    written.hasThumbnail = Exiv2::ExifThumbC(file->exifData()).copy().size_ > 0;
    return written;
}

// A fresh JPEG with the given "key=value" metadata (EXIF, XMP or IPTC by the key); a value of
// IPTC is written as Latin-1 bytes.
QString pictureWith(const QString &dir, const QStringList &keys)
{
    const QString path = writeImage(dir, "p.jpg", solidImage(40, 30, Qt::gray));
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    for (const QString &pair : keys) {
        const std::string key = pair.section('=', 0, 0).toStdString();
        const std::string value = pair.section('=', 1).toStdString();
        if (pair.startsWith("Exif"))
            file->exifData()[key] = value;
        else if (pair.startsWith("Xmp"))
            file->xmpData()[key] = value;
        else
            file->iptcData()[key] = pair.section('=', 1).toLatin1().toStdString();
    }
    file->writeMetadata();
    return path;
}

BatchReport runOne(const RunSnapshot &run)
{
    return runToEnd(run);
}

RunSnapshot snapshot(const QString &source, const QString &outDir, const QString &format)
{
    return testRun({ source }, outDir, format, Position::BottomRight);
}

} // namespace

class TestMetadata : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installTranslators(QLocale(QLocale::English)); }
    void longNoticeIsCutBetweenCharacters();
    void choiceKeepsWhatItSays_data();
    void choiceKeepsWhatItSays();
    void removeAllWritesTodaysBytes_data();
    void removeAllWritesTodaysBytes();
    void refusedXmpIsDroppedAndReported();
    void fieldsReadTheRecordedValues_data();
    void fieldsReadTheRecordedValues();
    void exposureAndCaptionFields_data();
    void exposureAndCaptionFields();
    void fitKeepsProportions_data();
    void fitKeepsProportions();
};

void TestMetadata::choiceKeepsWhatItSays_data()
{
    QTest::addColumn<MetadataChoice>("choice");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("dropped");

    const QStringList camera = { "Exif.Image.Make",
                                 "Exif.Photo.DateTimeOriginal",
                                 "Iptc.Application2.Keywords",
                                 "Xmp.dc.creator" };
    const QStringList location = { "Exif.GPSInfo.GPSLatitude",
                                   "Iptc.Application2.City",
                                   "Xmp.photoshop.City",
                                   "Xmp.exif.GPSLatitude" };
    const QStringList always = { "Exif.Canon.OwnerName",
                                 "Exif.Photo.MakerNote",
                                 "Exif.Thumbnail.Compression" };
    for (const QString format : { "jpg", "png", "tiff", "webp" }) {
        const QByteArray f = format.toLatin1();
        // WebP has no place for IPTC.
        QStringList kept = camera;
        QStringList place = location;
        if (format == "webp") {
            kept.removeAll("Iptc.Application2.Keywords");
            place.removeAll("Iptc.Application2.City");
        }
        QTest::addRow("all, %s", f.data())
          << MetadataChoice::All << false << format << kept + place << always;
        QTest::addRow("all but location, %s", f.data())
          << MetadataChoice::AllButLocation << false << format << kept << always + location;
    }
    QTest::newRow("copyright only")
      << MetadataChoice::Copyright << false << "jpg"
      << QStringList{ "Exif.Image.Artist",
                      "Exif.Image.Copyright",
                      "Iptc.Application2.Byline",
                      "Xmp.dc.creator" }
      << QStringList{ "Exif.Image.Make", "Iptc.Application2.Keywords", "Exif.GPSInfo.GPSLatitude" };
    QTest::newRow("remove all with the notice")
      << MetadataChoice::None << true << "jpg"
      << QStringList{ "Exif.Image.Copyright", "Xmp.dc.rights", "Iptc.Application2.Copyright" }
      << QStringList{
             "Exif.Image.Make", "Exif.Image.Software", "Exif.Image.Orientation", "Xmp.dc.creator"
         };
}

void TestMetadata::choiceKeepsWhatItSays()
{
    QFETCH(MetadataChoice, choice);
    QFETCH(bool, notice);
    QFETCH(QString, format);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, dropped);
    QTemporaryDir dir;
    RunSnapshot run = snapshot(cameraPicture(dir.path()), dir.path() + "/out", format);
    QDir().mkpath(run.outputDir);
    run.policy.metadata = choice;
    run.policy.copyrightFromText = notice;
    const BatchReport report = runOne(run);
    QCOMPARE(outcomeName(report.outcomes.at(0)), QString("written"));

    const QString output = report.lastWritten;
    const Written written = readBack(output);
    for (const QString &key : kept)
        QVERIFY2(written.values.contains(key), qPrintable(key + " missing"));
    for (const QString &key : dropped)
        QVERIFY2(!written.values.contains(key), qPrintable(key + " kept"));
    QVERIFY(!written.hasThumbnail);
    QImageReader reader(output);
    reader.setAutoTransform(true);
    QCOMPARE(reader.read().size(), QSize(300, 400)); // upright, and nothing turns it again
    if (choice != MetadataChoice::None) {
        QCOMPARE(written.values.value("Exif.Image.Orientation"), QString("1"));
        QCOMPARE(written.values.value("Xmp.tiff.Orientation"), QString("1"));
        QCOMPARE(written.values.value("Exif.Photo.PixelXDimension"), QString("300"));
        QCOMPARE(written.values.value("Exif.Image.Software"), QString("Quorlane 3.6"));
    }
    if (notice) {
        QCOMPARE(written.values.value("Exif.Image.Copyright"),
                 QString::fromUtf8("© Name, Comments"));
        QCOMPARE(written.values.value("Xmp.dc.rights"),
                 QString::fromUtf8("lang=\"x-default\" © Name, Comments"));
    }
    if (format == "jpg" || format == "png")
        QCOMPARE(QImageReader(output).read().colorSpace(), QColorSpace(QColorSpace::DisplayP3));
    // The same source and settings give the same bytes.
    const QByteArray first = fileBytes(output);
    QVERIFY(runOne(run).failureCount() == 0);
    QCOMPARE(fileBytes(output), first);
}

void TestMetadata::removeAllWritesTodaysBytes_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : { "jpg", "png", "tiff", "bmp", "webp" })
        QTest::newRow(format) << QString(format);
}

void TestMetadata::removeAllWritesTodaysBytes()
{
    QFETCH(QString, format);
    QTemporaryDir dir;
    RunSnapshot run =
      snapshot(cameraPicture(dir.path(), "jpeg", 0, 1), dir.path() + "/out", format);
    QDir().mkpath(run.outputDir);
    run.policy.metadata = MetadataChoice::None;
    QCOMPARE(runOne(run).failureCount(), 0);

    // What the job wrote before outputs kept metadata: the stamped picture straight from Qt.
    QImageReader reader(run.sources.at(0));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (format == "bmp") // a BMP carries no profile: its pixels are made sRGB before drawing
        image.convertToColorSpace(QColorSpace::SRgb);
    stampWatermark(image, run.text.typed, run.position, run.style);
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(QImageWriter(&buffer, format.toLatin1()).write(image));
    QCOMPARE(fileBytes(run.outputs.at(0)), expected);
}

void TestMetadata::refusedXmpIsDroppedAndReported()
{
    QTemporaryDir dir;
    // A JPEG segment holds at most 64 KB: the XMP of this PNG cannot be written into one.
    RunSnapshot run = snapshot(cameraPicture(dir.path(), "png", 70000), dir.path() + "/out", "jpg");
    QDir().mkpath(run.outputDir);
    run.policy.metadata = MetadataChoice::All;
    const BatchReport report = runOne(run);
    QCOMPARE(outcomeName(report.outcomes.at(0)), QString("written-without-metadata"));
    QVERIFY2(report.outcomes.at(0).metadataReason.startsWith("XMP dropped"),
             qPrintable(report.outcomes.at(0).metadataReason));
    const Written written = readBack(run.outputs.at(0));
    QVERIFY(written.values.contains("Exif.Image.Make"));
    QVERIFY(!written.values.contains("Xmp.dc.creator"));
    const RunSummary summary = summarizeRun(report, run.sources, 20);
    QVERIFY(!summary.isWarning);
    QCOMPARE(summary.blocks.size(), 1);
    QCOMPARE(summary.blocks.at(0).lines.at(0),
             QString("1 picture was written without its metadata:"));
}

void TestMetadata::fieldsReadTheRecordedValues_data()
{
    QTest::addColumn<QStringList>("keys"); // key=value pairs written into a fresh JPEG
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("camera");
    QTest::newRow("EXIF first") << QStringList{ "Exif.Photo.DateTimeOriginal=2019:07:14 10:20:30",
                                                "Xmp.xmp.CreateDate=2001-01-01T00:00:00",
                                                "Exif.Image.Artist=Anna Berg ",
                                                "Xmp.dc.creator=Someone",
                                                "Exif.Image.Make=NIKON CORPORATION",
                                                "Exif.Image.Model=NIKON D750" }
                                << "2019-07-14"
                                << "Anna Berg"
                                << "NIKON D750";
    QTest::newRow("XMP date taken, no time-zone conversion")
      << QStringList{ "Xmp.exif.DateTimeOriginal=2019-12-31T23:30:00-05:00",
                      "Xmp.xmp.CreateDate=2001-01-01T00:00:00",
                      "Xmp.dc.creator=Bo Ek",
                      "Iptc.Application2.Byline=Other" }
      << "2019-12-31"
      << "Bo Ek"
      << "";
    QTest::newRow("create date, IPTC by-line") << QStringList{ "Xmp.xmp.CreateDate=2024-06-01",
                                                               "Iptc.Application2.Byline=Cy Lo",
                                                               "Exif.Image.Model=X100V" }
                                               << "2024-06-01"
                                               << "Cy Lo"
                                               << "X100V";
    QTest::newRow("control and bidi characters dropped")
      << QStringList{ QString::fromUtf8("Xmp.dc.creator=Anna\u202E Berg\xc2\x9b\u2066"),
                      QString::fromUtf8("Exif.Image.Model=X100V\x1b[2J") }
      << ""
      << "Anna Berg"
      << "X100V[2J";
    QTest::newRow("nothing recorded, unreadable date")
      << QStringList{ "Exif.Photo.DateTimeOriginal=    :  :     :  :  " } << ""
      << ""
      << "";
}

void TestMetadata::fieldsReadTheRecordedValues()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, date);
    QFETCH(QString, artist);
    QFETCH(QString, camera);
    QTemporaryDir dir;
    const PictureMetadata metadata = PictureMetadata::read(pictureWith(dir.path(), keys));
    QCOMPARE(metadata.dateTaken(), date);
    QCOMPARE(metadata.artist(), artist);
    QCOMPARE(metadata.camera(), camera);
}

void TestMetadata::exposureAndCaptionFields_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filled");
    const QStringList all = { "Exif.Photo.FocalLength=18/1",
                              "Exif.Photo.FNumber=35/10",
                              "Exif.Photo.ExposureTime=1/250",
                              "Exif.Photo.ISOSpeedRatings=100",
                              "Exif.Photo.LensModel=EF-S18-55mm f/3.5-5.6 IS II" };
    QTest::newRow("everything") << all << "{exposure}\n{lens}"
                                << "18 mm f/3.5 1/250 s ISO 100\nEF-S18-55mm f/3.5-5.6 IS II";
    QTest::newRow("what is missing is left out")
      << QStringList{ "Exif.Photo.FNumber=28/10", "Exif.Photo.ExposureTime=2/1" } << "{exposure}"
      << "f/2.8 2 s";
    QTest::newRow("seconds") << QStringList{ "Exif.Photo.ExposureTime=4/10" } << "{shutter}"
                             << "0.4 s";
    QTest::newRow("half a minute") << QStringList{ "Exif.Photo.ExposureTime=30/1" } << "{shutter}"
                                   << "30 s";
    QTest::newRow("f/1.8 and f/11")
      << QStringList{ "Exif.Photo.FNumber=18/10" } << "{aperture} f/11"
      << "f/1.8 f/11";
    QTest::newRow("whole f-number") << QStringList{ "Exif.Photo.FNumber=11/1" } << "{aperture}"
                                    << "f/11";
    QTest::newRow("a phone's focal length")
      << QStringList{ "Exif.Photo.FocalLength=41/10" } << "{focal}"
      << "4.1 mm";
    QTest::newRow("50 mm") << QStringList{ "Exif.Photo.FocalLength=500/10" } << "{focal}"
                           << "50 mm";
    QTest::newRow("a zero denominator is not recorded")
      << QStringList{ "Exif.Photo.FNumber=28/0" } << "[{aperture}]"
      << "[]";
    QTest::newRow("no lens, and a lens that says n/a") << QStringList{} << "[{lens}]"
                                                       << "[]";
    QTest::newRow("n/a") << QStringList{ "Exif.Photo.LensModel=n/a" } << "[{lens}]"
                         << "[]";
    QTest::newRow("a bare number") << QStringList{ "Exif.Photo.LensModel=0.0 mm" } << "[{lens}]"
                                   << "[]";
    QTest::newRow("the maker note's lens")
      << QStringList{ "Exif.Image.Make=Canon", "Exif.CanonCs.LensType=1" } << "{lens}"
      << "Canon EF 50mm f/1.8";
    QTest::newRow("XMP title in two languages")
      << QStringList{ "Xmp.dc.title=lang=\"de-DE\" Sonnenaufgang",
                      "Xmp.dc.title=lang=\"x-default\" Sunrise",
                      "Iptc.Application2.ObjectName=Old" }
      << "{title}"
      << "Sunrise";
    QTest::newRow("IPTC title") << QStringList{ "Iptc.Application2.ObjectName=Lake" } << "{title}"
                                << "Lake";
    QTest::newRow("Latin-1 IPTC caption")
      << QStringList{ QString::fromUtf8("Iptc.Application2.Caption=Café au lait") } << "{caption}"
      << QString::fromUtf8("Café au lait");
    QTest::newRow("XMP description before IPTC and EXIF")
      << QStringList{ "Xmp.dc.description=lang=\"x-default\" First light",
                      "Iptc.Application2.Caption=Old",
                      "Exif.Image.ImageDescription=Older" }
      << "{caption}"
      << "First light";
    QTest::newRow("EXIF description last")
      << QStringList{ "Exif.Image.ImageDescription=Dawn" } << "{caption}"
      << "Dawn";
}

void TestMetadata::exposureAndCaptionFields()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QString, filled);
    QTemporaryDir dir;
    const QString jpeg = pictureWith(dir.path(), keys);
    const auto fill = [&](const QString &path) {
        return WatermarkText(text).filled(
          FieldValues::of(QFileInfo(path).fileName(), QSize(40, 30), PictureMetadata::read(path)));
    };
    QCOMPARE(fill(jpeg), filled);
    // The same facts from a HEIC the run wrote with the JPEG's metadata (a HEIC holds no IPTC,
    // and outputs leave maker notes out).
    if (!keys.filter("Iptc").isEmpty() || !keys.filter("CanonCs").isEmpty())
        return;
    QVERIFY(QDir().mkpath(dir.filePath("heic")));
    RunSnapshot run = snapshot(jpeg, dir.filePath("heic"), "heic");
    run.policy.metadata = MetadataChoice::All;
    const BatchReport report = runOne(run);
    QVERIFY2(report.failureCount() == 0, qPrintable(report.outcomes.value(0).reason));
    QCOMPARE(fill(dir.filePath("heic/p.heic")), filled);
}

void TestMetadata::fitKeepsProportions_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("landscape fit") << QSize(1920, 1280) << QSize(640, 480) << 1 << QSize(640, 426);
    QTest::newRow("portrait fit") << QSize(1280, 1920) << QSize(640, 480) << 1 << QSize(320, 480);
    QTest::newRow("inside stays") << QSize(300, 200) << QSize(640, 480) << 1 << QSize(300, 200);
    QTest::newRow("sliver keeps 1px") << QSize(1, 10000) << QSize(120, 120) << 1 << QSize(1, 120);
    QTest::newRow("wide sliver") << QSize(10000, 3) << QSize(120, 120) << 1 << QSize(120, 1);
    QTest::newRow("stretch") << QSize(1920, 1280) << QSize(640, 480) << 0 << QSize(640, 480);
    QTest::newRow("stretch enlarges") << QSize(30, 20) << QSize(640, 480) << 0 << QSize(640, 480);
}

void TestMetadata::fitKeepsProportions()
{
    QFETCH(QSize, source);
    QFETCH(QSize, box);
    QFETCH(int, mode);
    QFETCH(QSize, expected);
    QCOMPARE(outputSizeFor(source, box, ResizeMode(mode)), expected);
    if (source.width() * source.height() > 1000000)
        return;
    QTemporaryDir dir;
    RunSnapshot run = snapshot(
      writeImage(dir.path(), "s.png", solidImage(source.width(), source.height(), Qt::gray)),
      dir.path() + "/out",
      "png");
    QDir().mkpath(run.outputDir);
    run.outputSize = box;
    run.policy.resize = ResizeMode(mode);
    QCOMPARE(runOne(run).failureCount(), 0);
    QCOMPARE(QImage(run.outputs.at(0)).size(), expected);
}

void TestMetadata::longNoticeIsCutBetweenCharacters()
{
    // "© " is 3 bytes and every "é" 2: the 128th byte falls inside a character.
    QTemporaryDir dir;
    RunSnapshot run = snapshot(cameraPicture(dir.path()), dir.path() + "/out", "jpg");
    QDir().mkpath(run.outputDir);
    run.text = WatermarkText(QString(100, QChar(0xe9)), true);
    run.policy.copyrightFromText = true;
    QCOMPARE(runOne(run).failureCount(), 0);
    const QString notice = readBack(run.outputs.at(0)).values.value("Iptc.Application2.Copyright");
    QCOMPARE(notice, QString::fromUtf8("\u00a9 ") + QString(62, QChar(0xe9)));
}

QTEST_MAIN(TestMetadata)
#include "tst_metadata.moc"
