// A JPEG written at most half its size is decoded at a libjpeg scale: the decode has libjpeg's
// size and pixels at that scale, and the output stays within a smaller canvas's rounding of the
// whole decode's (same size, the mark within a pixel, PSNR of at least 38 dB).
#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QImageReader>
#include <QTest>

#include <cmath>

#include "engine/imageio/picturereader.h"
#include "testsupport.h"

namespace {

// Smooth light, fine texture and soft edges, and nothing as red as the mark.
QImage photoLike(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double fine = std::sin(x * 0.061) * std::cos(y * 0.047);
            row[x] = qRgb(
              int(50 + 90.0 * x / size.width() + 12 * fine),
              int(90 + 80.0 * y / size.height() + 15 * std::sin((x + y) * 0.05)),
              int(165 + 35 * std::tanh(4 * std::sin(x * 0.032) * std::sin(y * 0.035)) + 10 * fine));
        }
    }
    return picture;
}

// A JPEG of stored as libjpeg writes it in layout, or with a profile as Qt writes it.
QString writeJpeg(const QString &path,
                  const QImage &stored,
                  const JpegLayout &layout,
                  int turn,
                  const QColorSpace &profile = QColorSpace())
{
    QByteArray jpeg = encodeJpeg(stored, layout);
    if (profile.isValid()) {
        QImage tagged = stored;
        tagged.setColorSpace(profile);
        jpeg.clear();
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        tagged.save(&buffer, "jpeg", 85);
    }
    return writeFile(path, turn == 1 ? jpeg : withOrientation(jpeg, quint16(turn)));
}

double psnr(const QImage &a, const QImage &b)
{
    double squares = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : { qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q) })
                squares += d * d;
        }
    }
    const double mse = squares / (3.0 * a.width() * a.height());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// The pixels of the mark's red text.
QRect redBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 170 && qGreen(p) < 80 && qBlue(p) < 110)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestShrinkOnLoad : public QObject
{
    Q_OBJECT
private slots:
    void decodedAtLibjpegsScale_data();
    void decodedAtLibjpegsScale();
    void outputMatchesTheWholeDecode_data();
    void outputMatchesTheWholeDecode();
};

void TestShrinkOnLoad::decodedAtLibjpegsScale_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QSize>("minimum"); // upright
    QTest::addColumn<QSize>("decoded"); // upright, libjpeg's size at the scale that fits
    QTest::addColumn<bool>("profile");  // an Adobe RGB profile in the file
    QTest::newRow("1/2") << QSize(1600, 1200) << false << 1 << QSize(800, 600) << QSize(800, 600)
                         << false;
    QTest::newRow("1/4") << QSize(1600, 1200) << false << 1 << QSize(399, 300) << QSize(400, 300)
                         << false;
    QTest::newRow("1/8") << QSize(1600, 1200) << false << 1 << QSize(160, 120) << QSize(200, 150)
                         << false;
    QTest::newRow("over half: whole")
      << QSize(1600, 1200) << false << 1 << QSize(801, 600) << QSize(1600, 1200) << false;
    // libjpeg gives 201 × 151 and 151 × 201: the pixels that would cover less than a whole
    // pixel's share are left out, wherever the orientation turns them.
    QTest::newRow("odd sides") << QSize(1601, 1203) << false << 1 << QSize(200, 150)
                               << QSize(200, 150) << false;
    QTest::newRow("odd sides, turned 6")
      << QSize(1601, 1203) << false << 6 << QSize(150, 200) << QSize(150, 200) << false;
    QTest::newRow("turned 6, 1/8")
      << QSize(1600, 1200) << false << 6 << QSize(150, 200) << QSize(150, 200) << false;
    QTest::newRow("turned 8, 1/4, tall minimum")
      << QSize(1600, 1200) << false << 8 << QSize(10, 400) << QSize(300, 400) << false;
    QTest::newRow("whole, with a profile")
      << QSize(640, 480) << false << 1 << QSize() << QSize(640, 480) << true;
    QTest::newRow("1/4, turned 6, with a profile")
      << QSize(640, 480) << false << 6 << QSize(120, 160) << QSize(120, 160) << true;
    QTest::newRow("grey, 1/2") << QSize(640, 480) << true << 1 << QSize(300, 201) << QSize(320, 240)
                               << false;
}

void TestShrinkOnLoad::decodedAtLibjpegsScale()
{
    QFETCH(QSize, stored);
    QFETCH(bool, grey);
    QFETCH(int, turn);
    QFETCH(QSize, minimum);
    QFETCH(QSize, decoded);
    QFETCH(bool, profile);
    QTemporaryDir dir;
    const QString path = writeJpeg(dir.filePath("p.jpg"),
                                   photoLike(stored),
                                   JpegLayout{ 2, 2, grey },
                                   turn,
                                   profile ? QColorSpace(QColorSpace::AdobeRgb) : QColorSpace());
    DecodeBuffer buffer;
    const PictureReader::Result read = buffer.read(path, minimum);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.image.size(), decoded);
    QCOMPARE(read.fullSize, turn >= 5 ? stored.transposed() : stored);
    QVERIFY(read.incomplete.isEmpty());
    // Where every side is a multiple of the scale, Qt's reader decodes at that scale too and
    // resamples nothing: the pixels are libjpeg's.
    const QSize storedDecoded = turn >= 5 ? decoded.transposed() : decoded;
    if (stored.width() % 8 == 0 && stored.height() % 8 == 0) {
        QImageReader qt(path);
        qt.setAutoTransform(true);
        qt.setScaledSize(storedDecoded);
        // Pixels only: Qt 6.4's own turn drops the profile.
        QImage expected = qt.read().convertToFormat(QImage::Format_RGB32);
        QImage pixels = read.image.convertToFormat(QImage::Format_RGB32);
        expected.setColorSpace(QColorSpace());
        pixels.setColorSpace(QColorSpace());
        QCOMPARE(pixels, expected);
    }
    QCOMPARE(read.image.colorSpace().isValid(), profile);
    // A truncated file decodes at the same scale and says so.
    const QByteArray whole = fileBytes(path);
    const QString cut = writeFile(dir.filePath("cut.jpg"), whole.left(whole.size() * 2 / 3));
    const PictureReader::Result partial = buffer.read(cut, minimum);
    QCOMPARE(partial.image.size(), decoded);
    QVERIFY(!partial.incomplete.isEmpty());
}

void TestShrinkOnLoad::outputMatchesTheWholeDecode_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<JpegLayout>("layout");
    QTest::addColumn<int>("turn");
    QTest::addColumn<OutputSize>("size");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("effects");
    QTest::addColumn<bool>("shrinks");
    const QSize photo(1600, 1200);
    const JpegLayout yuv420;
    const JpegLayout yuv444{ 1, 1 };
    const JpegLayout progressive{ 2, 2, false, true };
    QTest::newRow("4:2:0, 1/2") << photo << yuv420 << 1 << OutputSize::longEdge(800) << "png"
                                << false << true;
    QTest::newRow("4:2:0, 1/4, JPEG out")
      << photo << yuv420 << 1 << OutputSize::longEdge(400) << "jpg" << false << true;
    QTest::newRow("4:2:0, 1/8, effects")
      << photo << yuv420 << 1 << OutputSize::longEdge(160) << "png" << true << true;
    QTest::newRow("4:4:4, 1/4, turned 6")
      << photo << yuv444 << 6 << OutputSize::longEdge(400) << "png" << false << true;
    QTest::newRow("progressive, 1/8, turned 8, effects")
      << photo << progressive << 8 << OutputSize::longEdge(200) << "png" << true << true;
    QTest::newRow("odd size, 1/8, turned 6")
      << QSize(1601, 1203) << yuv420 << 6 << OutputSize::longEdge(190) << "png" << false << true;
    QTest::newRow("odd size, 1/4, fitted box")
      << QSize(1601, 1203) << yuv420 << 1 << OutputSize(QSize(320, 240)) << "png" << false << true;
    QTest::newRow("over half: not scaled")
      << photo << yuv420 << 1 << OutputSize::longEdge(1000) << "png" << true << false;
    QTest::newRow("full size") << photo << yuv444 << 6 << OutputSize() << "jpg" << false << false;
}

void TestShrinkOnLoad::outputMatchesTheWholeDecode()
{
    QFETCH(QSize, stored);
    QFETCH(JpegLayout, layout);
    QFETCH(int, turn);
    QFETCH(OutputSize, size);
    QFETCH(QString, format);
    QFETCH(bool, effects);
    QFETCH(bool, shrinks);
    TestEnvironment env;
    const QString source = writeJpeg(env.path() + "/p.jpg", photoLike(stored), layout, turn);
    // The picture written with and without shrinking on load, in a style.
    const auto outputs = [&](const WatermarkStyle &style, const QString &name) {
        QList<QByteArray> written;
        for (const bool shrink : { true, false }) {
            const QString out = env.path() + QStringLiteral("/%1-%2").arg(name).arg(shrink);
            QDir().mkpath(out);
            RunSnapshot run = testRun({ source }, out, format, Position::BottomRight);
            run.outputSize = size;
            run.style = style;
            run.style.effects.margin = effects ? 4 : 0;
            run.style.effects.outline = effects;
            run.style.effects.shadow = effects;
            run.shrinkOnLoad = shrink;
            const BatchReport report = runToEnd(run);
            if (report.count(JobOutcome::Status::Written) != 1)
                qWarning() << report.outcomes.value(0).reason;
            written << fileBytes(run.outputs.at(0));
        }
        return written;
    };
    // The mark in opaque red shows where it went; the automatic style is what the PSNR is of.
    WatermarkStyle red;
    red.useDefaults = false;
    red.autoColor = false;
    red.fontColor = Qt::red;
    red.alpha = 255;
    const QList<QByteArray> marked = outputs(red, QStringLiteral("red"));
    const QList<QByteArray> automatic = outputs(WatermarkStyle(), QStringLiteral("automatic"));
    for (const QList<QByteArray> &pair : { marked, automatic })
        QVERIFY(!pair.at(0).isEmpty() && !pair.at(1).isEmpty());
    QCOMPARE(automatic.at(0) != automatic.at(1), shrinks);

    const QImage shrunk = QImage::fromData(automatic.at(0));
    const QImage expected = QImage::fromData(automatic.at(1));
    QCOMPARE(shrunk.size(), expected.size());
    const double db = psnr(shrunk, expected);
    QVERIFY2(db >= 38, qPrintable(QStringLiteral("PSNR %1 dB").arg(db)));
    const QRect mark = redBox(QImage::fromData(marked.at(0)));
    const QRect expectedMark = redBox(QImage::fromData(marked.at(1)));
    QVERIFY(!expectedMark.isEmpty());
    const QMargins apart(mark.left() - expectedMark.left(),
                         mark.top() - expectedMark.top(),
                         mark.right() - expectedMark.right(),
                         mark.bottom() - expectedMark.bottom());
    QVERIFY2(std::max({ std::abs(apart.left()),
                        std::abs(apart.top()),
                        std::abs(apart.right()),
                        std::abs(apart.bottom()) }) <= 1,
             qPrintable(QStringLiteral("the mark's edges %1, %2, %3, %4 pixels apart")
                          .arg(apart.left())
                          .arg(apart.top())
                          .arg(apart.right())
                          .arg(apart.bottom())));
}

QTEST_MAIN(TestShrinkOnLoad)
#include "tst_shrinkonload.moc"
