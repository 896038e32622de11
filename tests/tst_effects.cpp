#include <QtTest>
#include <QtWidgets>

#include "settings/configfile.h"
#include "settings/watermarksettings.h"
#include "ui/dialog.h"
#include "ui/outputoptions.h"

#include "engine/imageio/logoreader.h"
#include "engine/mark/positions.h"
#include "engine/mark/watermark.h"
#include "engine/mark/watermarkeffects.h"
#include "testsupport.h"

namespace {

// The box of the pixels that differ from white.
QRect marked(const QImage &image)
{
    return changedArea(image, Qt::white, 30);
}

} // namespace

Q_DECLARE_METATYPE(WatermarkEffects)
Q_DECLARE_METATYPE(WatermarkStyle)

class TestEffects : public QObject
{
    Q_OBJECT

private slots:
    void extremeSvgLogoIsRefused();
    void svgLogoReadsNoOtherFile_data();
    void svgLogoReadsNoOtherFile();
    void hugeTextIsClippedToThePicture_data();
    void hugeTextIsClippedToThePicture();
    void turnedTextFitsWidthAndHeight_data();
    void turnedTextFitsWidthAndHeight();
    void defaultsDrawExactlyAsBefore();
    void effectsPlaceTheMark_data();
    void effectsPlaceTheMark();
    void reachHoldsEveryChangedPixel_data();
    void reachHoldsEveryChangedPixel();
    void outlineAndShadowStandOut();
    void tilesCoverEveryNinth();
    void watermarkPageStoresAndRunRefusesABadLogo();
};

void TestEffects::defaultsDrawExactlyAsBefore()
{
    QImage stamped = solidImage(800, 500, QColor(90, 90, 90));
    const StampResult result =
      stampWatermark(stamped, QString::fromUtf8("© Name\nComments"), Position::BottomRight, {});
    QImage expected = solidImage(800, 500, QColor(90, 90, 90));
    QPainter painter(&expected);
    painter.setFont(result.font);
    painter.setPen(result.pen);
    painter.drawText(expected.rect(), Position::BottomRight, QString::fromUtf8("© Name\nComments"));
    painter.end();
    QCOMPARE(stamped, expected);
    QCOMPARE(result.font.pixelSize(), 50);
    QCOMPARE(result.pen, QColor(255, 255, 255, 127));
}

void TestEffects::effectsPlaceTheMark_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("position");
    QTest::addColumn<QRect>("inside");  // the mark lies inside this box
    QTest::addColumn<QPoint>("corner"); // and reaches within 12 px of this point
    // 1000 × 600: the margin is a percentage of 600.
    QTest::newRow("margin 10 bottom right")
      << 10 << 0 << Position::BottomRight << QRect(60, 60, 880, 480) << QPoint(940, 540);
    QTest::newRow("margin 20 top left")
      << 20 << 0 << Position::TopLeft << QRect(120, 120, 760, 360) << QPoint(120, 120);
    QTest::newRow("angle 45 centre")
      << 0 << 45 << Position::Center << QRect(0, 0, 1000, 600) << QPoint(-1, -1);
    QTest::newRow("angle -90 right, margin 5")
      << 5 << -90 << Position::CenterRight << QRect(30, 30, 940, 540) << QPoint(970, -1);
}

void TestEffects::effectsPlaceTheMark()
{
    QFETCH(int, margin);
    QFETCH(int, angle);
    QFETCH(int, position);
    QFETCH(QRect, inside);
    QFETCH(QPoint, corner);
    QImage image = solidImage(1000, 600, Qt::white);
    WatermarkStyle style;
    style.alpha = 255;
    style.effects.margin = margin;
    style.effects.angle = angle;
    const StampResult result =
      stampWatermark(image, "Watermark text\nsecond line", position, style);
    QCOMPARE(result.pen.rgb(), QColor(Qt::black).rgb());
    const QRect box = marked(image);
    QVERIFY2(
      inside.contains(box),
      qPrintable(
        QString("%1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
    if (corner.x() >= 0)
        QVERIFY(qAbs(box.right() + 1 - corner.x()) <= 12 || qAbs(box.left() - corner.x()) <= 12);
    if (corner.y() >= 0)
        QVERIFY(qAbs(box.bottom() + 1 - corner.y()) <= 12 || qAbs(box.top() - corner.y()) <= 12);
    if (angle == 45) // turned: as tall as it is wide, about
        QVERIFY(box.height() > box.width() / 2);
    if (angle == -90) // standing: taller than wide
        QVERIFY(box.height() > box.width());
}

void TestEffects::reachHoldsEveryChangedPixel_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<WatermarkStyle>("style");
    WatermarkStyle automatic;
    WatermarkStyle manual;
    manual.useDefaults = false;
    manual.autoFontSize = false;
    manual.font = QFont("DejaVu Serif", 80, QFont::Bold, true); // italic overhangs its advance
    WatermarkStyle small = manual;                              // narrower than the colour's patch
    small.font = QFont("DejaVu Sans");
    small.font.setPixelSize(20);
    WatermarkStyle dressed;
    dressed.effects.margin = 5;
    dressed.effects.angle = 30;
    dressed.effects.outline = true;
    dressed.effects.shadow = true;
    QTest::newRow("automatic, bottom right") << int(Position::BottomRight) << automatic;
    QTest::newRow("large italic, top left") << int(Position::TopLeft) << manual;
    QTest::newRow("small, bottom right") << int(Position::BottomRight) << small;
    QTest::newRow("turned, outlined, shadowed") << int(Position::CenterLeft) << dressed;
}

// The keep-JPEG mode decodes a picture only where the stamp reaches: a pixel changed outside
// would be lost.
void TestEffects::reachHoldsEveryChangedPixel()
{
    QFETCH(int, position);
    QFETCH(WatermarkStyle, style);
    QImage image = solidImage(1000, 600, Qt::white);
    const QString text = "Watermark jgy\nsecond line";
    const QRect reach = watermarkReach(image.size(), text, position, style);
    // The same picture known only within the reach, as the keep-JPEG mode decodes it: the stamp
    // must read nothing outside it.
    QImage partial = solidImage(1000, 600, Qt::black);
    QPainter(&partial).fillRect(reach, Qt::white);
    stampWatermark(partial, text, position, style);
    stampWatermark(image, text, position, style);
    QCOMPARE(partial.copy(reach), image.copy(reach));
    const QRect changed = changedArea(image, Qt::white, 0);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(reach.contains(changed),
             qPrintable(QString("reach %1,%2 %3x%4 misses changed %5,%6 %7x%8")
                          .arg(reach.x())
                          .arg(reach.y())
                          .arg(reach.width())
                          .arg(reach.height())
                          .arg(changed.x())
                          .arg(changed.y())
                          .arg(changed.width())
                          .arg(changed.height())));
    // Not the whole picture either: the point is to decode less.
    QVERIFY(reach.width() * reach.height() < image.width() * image.height() / 2);
}

void TestEffects::outlineAndShadowStandOut()
{
    // White text on white: only the outline and the shadow (both black) show.
    QImage image = solidImage(800, 400, Qt::white);
    WatermarkStyle style;
    style.useDefaults = false;
    style.autoColor = false;
    style.fontColor = Qt::white;
    style.alpha = 255;
    style.effects.outline = true;
    stampWatermark(image, "Outline", Position::Center, style);
    QVERIFY(!marked(image).isEmpty());

    QImage shadowed = solidImage(800, 400, Qt::white);
    style.effects.outline = false;
    style.effects.shadow = true;
    style.effects.logo = solidImage(100, 50, Qt::red);
    style.effects.logoWidth = 25;
    style.effects.logoPosition = Position::TopLeft;
    stampWatermark(shadowed, "Shadow", Position::Center, style);
    const QRect shadow =
      changedArea(shadowed.copy(0, 100, 800, 300), Qt::white, 30).translated(0, 100);
    QVERIFY(!shadow.isEmpty());
    // At half opacity, and below and to the right of the centred text.
    int darkest = 255;
    for (int y = shadow.top(); y <= shadow.bottom(); ++y) {
        for (int x = shadow.left(); x <= shadow.right(); ++x)
            darkest = std::min(darkest, qGray(shadowed.pixel(x, y)));
    }
    QVERIFY2(darkest >= 126 && darkest < 230, qPrintable(QString::number(darkest)));
    QVERIFY(shadow.center().x() > 400 && shadow.center().y() > 200);
    // The logo: a quarter of the width, its proportions kept, in the top left corner.
    QCOMPARE(changedArea(shadowed.copy(0, 0, 400, 100), Qt::white, 30), QRect(0, 0, 200, 100));
    QCOMPARE(shadowed.pixelColor(100, 50), QColor(Qt::red));
}

void TestEffects::tilesCoverEveryNinth()
{
    QImage image = solidImage(900, 900, Qt::white);
    WatermarkStyle style;
    style.alpha = 255;
    style.effects.tile = true;
    style.effects.angle = 30;
    stampWatermark(image, "© Tiled", Position::TopLeft, style);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QImage ninth = image.copy(column * 300, row * 300, 300, 300);
            QVERIFY2(!marked(ninth).isEmpty(), qPrintable(QString("%1,%2").arg(column).arg(row)));
        }
    }
}

void TestEffects::watermarkPageStoresAndRunRefusesABadLogo()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    fake.filesToOpen = { writeImage(env.path(), "p.png", solidImage(400, 300, Qt::gray)) };
    child<QPushButton>(&dialog, "AddFileBtn")->click();
    QVERIFY(previewSettled(dialog));
    bool previewShown = false;
    onNextModal([&](QWidget *w) {
        auto *options = qobject_cast<OutputOptions *>(w);
        child<QTabWidget>(w, "tabs")->setCurrentIndex(1);
        child<QSpinBox>(w, "margin")->setValue(5);
        child<QCheckBox>(w, "outline")->setChecked(true);
        child<QSpinBox>(w, "angle")->setValue(-30);
        child<QLineEdit>(w, "logoPath")->setText(env.path() + "/no-logo.png");
        QTRY_VERIFY(!options->isPreviewPending());
        previewShown = !child<QLabel>(w, "effectsPreview")->pixmap().isNull();
        child<QDialogButtonBox>(w, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(&dialog, "OptionsBtn")->click();
    QVERIFY(previewShown);
    QVERIFY(fake.messageTexts.isEmpty());
    const WatermarkEffects saved = ConfigFile::load().watermark;
    QCOMPARE(saved.margin, 5);
    QVERIFY(saved.outline && !saved.shadow && !saved.tile);
    QCOMPARE(saved.angle, -30);
    QCOMPARE(saved.logoPath, env.path() + "/no-logo.png");
    QCOMPARE(WatermarkSettings::instance().effects.margin, 5);

    // An unreadable logo stops the run before it starts, with a message.
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(!dialog.isRunning());
    QCOMPARE(fake.messageTexts.size(), 1);
    QVERIFY(fake.messageTexts.at(0).startsWith("The logo " + env.path() +
                                               "/no-logo.png cannot "
                                               "be read"));
    QVERIFY(child(&dialog, "Run")->isEnabled());
    QVERIFY(QDir(WatermarkSettings::instance().outputDirPath).entryList(QDir::Files).isEmpty());
}

void TestEffects::extremeSvgLogoIsRefused()
{
    QTemporaryDir dir;
    QFile svg(dir.filePath("tall.svg"));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 1 2000000'>"
              "<rect width='1' height='2000000'/></svg>");
    svg.close();
    QString error;
    QVERIFY(readLogo(svg.fileName(), &error).isNull());
    QCOMPARE(error, QString("the SVG picture is too tall for its width"));
}

void TestEffects::svgLogoReadsNoOtherFile_data()
{
    QTest::addColumn<QByteArray>("body"); // inside <svg>; PRIVATE stands for a local picture
    QTest::addColumn<bool>("gzip");
    QTest::addColumn<QString>("refused"); // the reference named, or empty: drawn
    QTest::newRow("an image by absolute path")
      << QByteArray("<image xlink:href='PRIVATE' width='10' height='10'/>") << false << "PRIVATE";
    QTest::newRow("an image by plain href, gzipped")
      << QByteArray("<image href='PRIVATE' width='10' height='10'/>") << true << "PRIVATE";
    QTest::newRow("another SVG") << QByteArray("<use xlink:href='other.svg#a'/>") << false
                                 << "other.svg#a";
    QTest::newRow("its own parts and inline data")
      << QByteArray("<defs><rect id='a' width='4' height='4'/></defs><use xlink:href='#a'/>"
                    "<image href='data:image/png;base64,AAAA' width='1' height='1'/>")
      << false << "";
}

void TestEffects::svgLogoReadsNoOtherFile()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, gzip);
    QFETCH(QString, refused);
    QTemporaryDir dir;
    const QString secret = writeImage(dir.path(), "private.png", solidImage(10, 10, Qt::red));
    body.replace("PRIVATE", QFile::encodeName(secret));
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' "
                     "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 10 10'>" +
                     body + "</svg>";
    QString path = dir.filePath("logo.svg");
    if (gzip) {
        QProcess gzipper;
        gzipper.start("gzip", { "-c" });
        gzipper.write(svg);
        gzipper.closeWriteChannel();
        QVERIFY(gzipper.waitForFinished());
        svg = gzipper.readAllStandardOutput();
        path += 'z';
    }
    writeFile(path, svg);
    QString error;
    const QImage logo = readLogo(path, &error);
    refused.replace("PRIVATE", secret);
    if (refused.isEmpty()) {
        QVERIFY2(!logo.isNull(), qPrintable(error));
    } else {
        QVERIFY(logo.isNull());
        QCOMPARE(error, QString("the SVG picture refers to another file (%1)").arg(refused));
    }
}

void TestEffects::hugeTextIsClippedToThePicture_data()
{
    QTest::addColumn<WatermarkEffects>("effects");
    WatermarkEffects outline, shadow, angle, tile;
    outline.outline = true;
    shadow.shadow = true;
    angle.angle = 45;
    tile.tile = true;
    QTest::newRow("outline") << outline;
    QTest::newRow("shadow") << shadow;
    QTest::newRow("angle") << angle;
    QTest::newRow("tile") << tile;
}

void TestEffects::hugeTextIsClippedToThePicture()
{
    // Arial 1000 pt with a long line: a turned block of tens of thousands of pixels each way.
    QFETCH(WatermarkEffects, effects);
    WatermarkStyle style;
    style.useDefaults = false;
    style.autoFontSize = false;
    style.autoColor = false;
    style.fontColor = Qt::black;
    style.alpha = 255;
    style.font = QFont("Arial", 1000);
    style.effects = effects;
    QImage image = solidImage(640, 480, Qt::white);
    const StampResult result = stampWatermark(
      image, "Anna Berg Photography 2024, all rights reserved", Position::Center, style);
    QVERIFY(result.drawn);
    QVERIFY(!changedArea(image, Qt::white).isEmpty()); // the mark is there
    QVERIFY2(result.layer.width() <= 2 * 640 && result.layer.height() <= 2 * 480,
             qPrintable(QString("%1x%2").arg(result.layer.width()).arg(result.layer.height())));
}

void TestEffects::turnedTextFitsWidthAndHeight_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("16:9") << QSize(1920, 1080);
    QTest::newRow("panorama") << QSize(6000, 1000);
}

void TestEffects::turnedTextFitsWidthAndHeight()
{
    QFETCH(QSize, size);
    WatermarkStyle style;
    style.effects.angle = 45;
    QImage image = solidImage(size.width(), size.height(), Qt::white);
    stampWatermark(image, "\u00a9 Anna Berg Photography 2024", Position::Center, style);
    // Every glyph inside: the mark reaches no edge of the picture.
    const QRect mark = changedArea(image, Qt::white, 10);
    QVERIFY(!mark.isEmpty());
    QVERIFY2(
      QRect(1, 1, size.width() - 2, size.height() - 2).contains(mark),
      qPrintable(
        QString("%1,%2 %3x%4").arg(mark.x()).arg(mark.y()).arg(mark.width()).arg(mark.height())));
}

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
