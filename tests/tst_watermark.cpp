#include <QFontMetrics>
#include <QtTest>

#include "engine/mark/positions.h"
#include "engine/mark/textfields.h"
#include "engine/mark/watermark.h"
#include "testsupport.h"

namespace {

int fittedSize(int width, const QString &text, QFont font = QFont(QStringLiteral("Arial")))
{
    return fitWatermarkFont(solidImage(width, 10, Qt::white), text, font).pixelSize();
}

int lineWidth(int pixelSize, const QString &line)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).boundingRect(line).width();
}

} // namespace

class TestWatermark : public QObject
{
    Q_OBJECT

private slots:
    void composedText_data();
    void composedText();
    void startSizes_data();
    void startSizes();
    void sizeByTheShorterSide_data();
    void sizeByTheShorterSide();
    void stepsKeepParityAndFit_data();
    void stepsKeepParityAndFit();
    void lineAsWideAsThePictureIsTooWide();
    void referenceLineIsTheLongestFirst();
    void tooWideEvenAtTheSmallestSizeEnds_data();
    void tooWideEvenAtTheSmallestSizeEnds();
    void callersFontIsLeftAtTheFinalSize();
    void drawsAtEveryPosition_data();
    void drawsAtEveryPosition();
    void automaticStyleIgnoresManualValues();
    void manualStyle_data();
    void manualStyle();
};

void TestWatermark::composedText_data()
{
    QTest::addColumn<bool>("copyright");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both") << true << "Name\nComments" << QString::fromUtf8("© Name\nComments");
    QTest::newRow("sign alone") << true << "" << QString::fromUtf8("© ");
    QTest::newRow("empty") << false << ""
                           << "";
    QTest::newRow("lines kept") << false << "a\n\nb"
                                << "a\n\nb";
    // One sign only: a text that starts with it, after spaces, is left as it is.
    QTest::newRow("typed sign") << true << QString::fromUtf8("© Anna Berg 2026")
                                << QString::fromUtf8("© Anna Berg 2026");
    QTest::newRow("typed sign after spaces")
      << true << QString::fromUtf8("  ©Anna") << QString::fromUtf8("  ©Anna");
    QTest::newRow("sign later in the text")
      << true << QString::fromUtf8("Anna ©") << QString::fromUtf8("© Anna ©");
    QTest::newRow("sign on the second line")
      << true << QString::fromUtf8("\n© Anna") << QString::fromUtf8("© \n© Anna");
    QTest::newRow("typed sign, box not ticked")
      << false << QString::fromUtf8("© Anna") << QString::fromUtf8("© Anna");
}

void TestWatermark::composedText()
{
    QFETCH(bool, copyright);
    QFETCH(QString, plain);
    QFETCH(QString, expected);
    QCOMPARE(composeWatermarkText(copyright, plain), expected);
}

void TestWatermark::startSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("95 wide starts at 6") << 95 << "" << 6;
    QTest::newRow("96 wide starts at 6") << 96 << "" << 6;
    QTest::newRow("112 wide starts at 7") << 112 << "" << 7;
    QTest::newRow("1600 wide starts at 100") << 1600 << "" << 100;
    QTest::newRow("only line breaks") << 1600 << "\n\n\n" << 100;
    QTest::newRow("narrow text never grows") << 1600 << "i" << 100;
}

void TestWatermark::startSizes()
{
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(int, size);
    QCOMPARE(fittedSize(width, text), size);
}

void TestWatermark::sizeByTheShorterSide_data()
{
    QTest::addColumn<bool>("effects"); // the rule with effects (a margin) or the plain one
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("landscape"); // the size on 1200 × 800 and on 800 × 1200, by width
    QTest::addColumn<int>("portrait");
    QTest::addColumn<int>("shortLandscape"); // the same two, by the shorter side
    QTest::addColumn<int>("shortPortrait");
    QTest::newRow("plain") << false << "© Anna" << 75 << 50 << 50 << 50;
    QTest::newRow("with a margin") << true << "© Anna" << 74 << 49 << 49 << 49;
    // The width still limits: a long line is fitted to the portrait's width either way.
    QTest::newRow("a long line") << false << "© Anna Berg Photography, Uppsala, Sweden 2026" << 53
                                 << 34 << 50 << 34;
}

void TestWatermark::sizeByTheShorterSide()
{
    QFETCH(bool, effects);
    QFETCH(QString, text);
    QFETCH(int, landscape);
    QFETCH(int, portrait);
    QFETCH(int, shortLandscape);
    QFETCH(int, shortPortrait);
    WatermarkStyle style;
    style.effects.margin = effects ? 1 : 0;
    const auto sizeOn = [&](const QSize &size) {
        QImage picture = solidImage(size.width(), size.height(), Qt::white);
        return stampWatermark(picture, text, Position::BottomRight, style).font.pixelSize();
    };
    QCOMPARE(sizeOn({ 1200, 800 }), landscape);
    QCOMPARE(sizeOn({ 800, 1200 }), portrait);
    style.effects.textSizeBy = TextSizeBy::ShortSide;
    QCOMPARE(sizeOn({ 1200, 800 }), shortLandscape);
    QCOMPARE(sizeOn({ 800, 1200 }), shortPortrait);
}

void TestWatermark::stepsKeepParityAndFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("1600, even start")
      << 1600 << QString::fromUtf8("© A rather long watermark line here");
    QTest::newRow("1616, even start") << 1616 << QString::fromUtf8("© Holiday photographs, summer");
    QTest::newRow("1712, odd start 107")
      << 1712 << QString::fromUtf8("© Holiday photographs, summer");
    QTest::newRow("257 sample") << 257 << QString::fromUtf8("© Name\nComments");
}

void TestWatermark::stepsKeepParityAndFit()
{
    QFETCH(int, width);
    QFETCH(QString, text);
    const int start = std::max(width / 16, 6);
    const int size = fittedSize(width, text);
    QCOMPARE(size % 2, start % 2);
    QVERIFY(size <= start);
    QVERIFY(lineWidth(size, text.split('\n').first()) < width);
    if (size < start) // the size two above was tried and was too wide
        QVERIFY(lineWidth(size + 2, text.split('\n').first()) >= width);
}

void TestWatermark::lineAsWideAsThePictureIsTooWide()
{
    // Find a line and a size S whose measured width W has W / 16 == S: a picture W wide then
    // starts at S with the line exactly as wide as the picture.
    for (int chars = 12; chars < 24; ++chars) {
        const QString line(chars, QLatin1Char('W'));
        for (int s = 20; s < 120; ++s) {
            const int w = lineWidth(s, line);
            if (w / 16 != s || (w + 1) / 16 != s)
                continue;
            QCOMPARE(fittedSize(w, line), s - 2);
            QCOMPARE(fittedSize(w + 1, line), s);
            return;
        }
    }
    QFAIL("no line measures exactly sixteen times its size");
}

void TestWatermark::referenceLineIsTheLongestFirst()
{
    // Same character count: the first line is measured, whatever its glyph widths.
    const int width = 400;
    const int start = width / 16;
    QVERIFY(lineWidth(start, "WWWWWWWWWWWWWWWWWWWW") >= width);
    QVERIFY(lineWidth(start, "iiiiiiiiiiiiiiiiiiii") < width);
    QCOMPARE(fittedSize(width, "iiiiiiiiiiiiiiiiiiii\nWWWWWWWWWWWWWWWWWWWW"), start);
    QVERIFY(fittedSize(width, "WWWWWWWWWWWWWWWWWWWW\niiiiiiiiiiiiiiiiiiii") < start);
    // Three lines: one letter, an empty line, three letters: fitted on the third.
    QCOMPARE(fittedSize(40, "W\n\nWWW"), fittedSize(40, "WWW"));
}

void TestWatermark::tooWideEvenAtTheSmallestSizeEnds_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expected");
    QTest::newRow("even start ends at 2") << 20 << 2;
    QTest::newRow("odd start ends at 1") << 112 << 1;
    QTest::newRow("empty picture") << 0 << 2;
}

void TestWatermark::tooWideEvenAtTheSmallestSizeEnds()
{
    QFETCH(int, width);
    QFETCH(int, expected);
    const QString text(3000, QLatin1Char('W'));
    QFont font(QStringLiteral("Arial"));
    const QImage image = width > 0 ? solidImage(width, 5, Qt::white) : QImage();
    QCOMPARE(fitWatermarkFont(image, text, font).pixelSize(), expected);
}

void TestWatermark::callersFontIsLeftAtTheFinalSize()
{
    QFont font(QStringLiteral("Arial"));
    const QFont returned = fitWatermarkFont(solidImage(320, 10, Qt::white), "© Name", font);
    QCOMPARE(font.pixelSize(), returned.pixelSize());
    QCOMPARE(font.pixelSize(), 20);
}

void TestWatermark::drawsAtEveryPosition_data()
{
    QTest::addColumn<int>("position");
    for (int p : Position::all)
        QTest::newRow(qPrintable(QString::number(p))) << p;
}

void TestWatermark::drawsAtEveryPosition()
{
    QFETCH(int, position);
    QImage image = solidImage(600, 300, Qt::white);
    stampWatermark(image, QString::fromUtf8("© Name"), position, WatermarkStyle());
    const QRect ink = changedArea(image, Qt::white);
    QVERIFY(!ink.isEmpty());
    if (position & Qt::AlignLeft)
        QVERIFY2(ink.left() < 10 && ink.right() < 200, qPrintable(QDebug::toString(ink)));
    else if (position & Qt::AlignRight)
        QVERIFY2(ink.right() > 590 && ink.left() > 400, qPrintable(QDebug::toString(ink)));
    else
        QVERIFY2(qAbs(ink.center().x() - 300) < 6, qPrintable(QDebug::toString(ink)));
    if (position & Qt::AlignTop)
        QVERIFY2(ink.top() < 15 && ink.bottom() < 100, qPrintable(QDebug::toString(ink)));
    else if (position & Qt::AlignBottom)
        QVERIFY2(ink.bottom() > 280 && ink.top() > 200, qPrintable(QDebug::toString(ink)));
    else
        QVERIFY2(qAbs(ink.center().y() - 150) < 10, qPrintable(QDebug::toString(ink)));
}

void TestWatermark::automaticStyleIgnoresManualValues()
{
    QImage plain = solidImage(400, 200, Qt::black);
    QImage odd = plain.copy();
    const StampResult a = stampWatermark(plain, "© Name", Position::Center, WatermarkStyle());
    WatermarkStyle style;
    style.alpha = 255;
    style.font = QFont(QStringLiteral("Liberation Serif"), 70, QFont::Black, true);
    style.fontColor = Qt::red;
    const StampResult b = stampWatermark(odd, "© Name", Position::Center, style);
    QCOMPARE(odd, plain);
    QCOMPARE(b.pen, QColor(255, 255, 255, 127));
    QCOMPARE(b.font, a.font);
    QCOMPARE(b.font.family(), QStringLiteral("Arial"));
    QCOMPARE(b.font.pixelSize(), 25);
}

void TestWatermark::manualStyle_data()
{
    QTest::addColumn<bool>("autoFontSize");
    QTest::addColumn<bool>("autoColor");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("pen");
    QTest::newRow("auto colour on dark")
      << true << true << QColor(Qt::black) << QColor(255, 255, 255, 90);
    QTest::newRow("auto colour on light")
      << false << true << QColor(Qt::white) << QColor(0, 0, 0, 90);
    QTest::newRow("manual colour") << true << false << QColor(Qt::black) << QColor(200, 10, 10, 90);
}

void TestWatermark::manualStyle()
{
    QFETCH(bool, autoFontSize);
    QFETCH(bool, autoColor);
    QFETCH(QColor, background);
    QFETCH(QColor, pen);
    QImage image = solidImage(640, 100, background);
    WatermarkStyle style;
    style.useDefaults = false;
    style.autoFontSize = autoFontSize;
    style.autoColor = autoColor;
    style.alpha = 90;
    style.fontColor = QColor(200, 10, 10);
    style.font = QFont(QStringLiteral("Arial"), 30, QFont::Bold, true);
    const StampResult r = stampWatermark(image, "© Name", Position::BottomRight, style);
    QCOMPARE(r.pen, pen);
    QVERIFY(r.font.bold());
    QVERIFY(r.font.italic());
    if (autoFontSize) {
        QFont expected = style.font;
        fitWatermarkFont(image, "© Name", expected);
        QCOMPARE(r.font.pixelSize(), expected.pixelSize());
        QCOMPARE(r.font.pixelSize(), 40);
    } else {
        QCOMPARE(r.font.pointSize(), 30);
    }
    QVERIFY(!changedArea(image, background, 10).isEmpty());
}

QTEST_MAIN(TestWatermark)
#include "tst_watermark.moc"
