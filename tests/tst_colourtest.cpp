#include <QPainter>
#include <QtTest>

#include "engine/mark/colourtest.h"
#include "engine/mark/positions.h"
#include "testsupport.h"

namespace {

// White picture with a black rectangle.
QImage withBlack(int w, int h, const QRect &black)
{
    QImage image = solidImage(w, h, Qt::white);
    QPainter(&image).fillRect(black, Qt::black);
    return image;
}

} // namespace

class TestColourTest : public QObject
{
    Q_OBJECT

private slots:
    void pixelClass_data();
    void pixelClass();
    void blackTopBand_data();
    void blackTopBand();
    void columnRanges_data();
    void columnRanges();
    void bandRows_data();
    void bandRows();
    void smallPictures_data();
    void smallPictures();
    void tieAndUnknownPositionAreLight();
};

void TestColourTest::pixelClass_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("light");
    QTest::newRow("sum 400 is dark") << QColor(200, 200, 0) << false;
    QTest::newRow("sum 401 is light") << QColor(255, 146, 0) << true;
    QTest::newRow("black") << QColor(Qt::black) << false;
    QTest::newRow("white") << QColor(Qt::white) << true;
    QTest::newRow("transparent black counts as white") << QColor(0, 0, 0, 0) << true;
    QTest::newRow("half transparent black is grey, dark") << QColor(0, 0, 0, 128) << false;
    QTest::newRow("mostly transparent black is light") << QColor(0, 0, 0, 60) << true;
}

void TestColourTest::pixelClass()
{
    QFETCH(QColor, colour);
    QFETCH(bool, light);
    const QImage image = solidImage(1, 1, colour, QImage::Format_ARGB32);
    int lightCount = 0;
    int darkCount = 0;
    classifyPixel(image, 0, 0, lightCount, darkCount);
    QCOMPARE(lightCount, light ? 1 : 0);
    QCOMPARE(darkCount, light ? 0 : 1);
}

void TestColourTest::blackTopBand_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("dark");
    for (int p : Position::all)
        QTest::newRow(qPrintable(QString::number(p))) << p << bool(p & Qt::AlignTop);
}

void TestColourTest::blackTopBand()
{
    QFETCH(int, position);
    QFETCH(bool, dark);
    QCOMPARE(isDarkBackground(withBlack(300, 200, QRect(0, 0, 300, 40)), position), dark);
    QCOMPARE(isDarkBackground(solidImage(300, 200, Qt::white), position), false);
    QCOMPARE(isDarkBackground(solidImage(300, 200, Qt::black), position), true);
}

void TestColourTest::columnRanges_data()
{
    // A black block exactly over the expected columns makes the patch dark; moving it by one
    // column out of the patch on either side makes it a tie (light).
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("300 left") << 300 << int(Position::TopLeft) << 0 << 99;
    QTest::newRow("300 centre") << 300 << int(Position::TopCenter) << 100 << 199;
    QTest::newRow("300 right") << 300 << int(Position::TopRight) << 200 << 299;
    QTest::newRow("301 left") << 301 << int(Position::TopLeft) << 0 << 99;
    QTest::newRow("301 centre") << 301 << int(Position::TopCenter) << 100 << 199;
    QTest::newRow("301 right") << 301 << int(Position::TopRight) << 200 << 300;
}

void TestColourTest::columnRanges()
{
    QFETCH(int, width);
    QFETCH(int, position);
    QFETCH(int, first);
    QFETCH(int, last);
    const int n = last - first + 1;
    // Exactly the patch black: dark.
    QVERIFY(isDarkBackground(withBlack(width, 100, QRect(first, 0, n, 40)), position));
    // Black over all patch columns but one, plus one column outside: the count tells the range.
    const int half = n / 2;
    QVERIFY(!isDarkBackground(withBlack(width, 100, QRect(first, 0, half, 40)), position));
    QVERIFY(isDarkBackground(withBlack(width, 100, QRect(first, 0, half + 1, 40)), position));
    QVERIFY(
      !isDarkBackground(withBlack(width, 100, QRect(last - half + 1, 0, half, 40)), position));
    QVERIFY(isDarkBackground(withBlack(width, 100, QRect(last - half, 0, half + 1, 40)), position));
}

void TestColourTest::bandRows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("first");
    QTest::newRow("centre band 30..69") << int(Position::Center) << 30;
    QTest::newRow("bottom band 60..99") << int(Position::BottomCenter) << 60;
    QTest::newRow("top band 0..39") << int(Position::TopCenter) << 0;
}

void TestColourTest::bandRows()
{
    QFETCH(int, position);
    QFETCH(int, first);
    QVERIFY(isDarkBackground(withBlack(90, 100, QRect(0, first, 90, 40)), position));
    // Half the band black plus one row: dark; half exactly: tie, light.
    QVERIFY(isDarkBackground(withBlack(90, 100, QRect(0, first, 90, 21)), position));
    QVERIFY(!isDarkBackground(withBlack(90, 100, QRect(0, first, 90, 20)), position));
    QVERIFY(!isDarkBackground(withBlack(90, 100, QRect(0, first + 19, 90, 20)), position));
    QVERIFY(isDarkBackground(withBlack(90, 100, QRect(0, first + 19, 90, 21)), position));
}

void TestColourTest::smallPictures_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("dark");
    // Only the rows inside the picture count, so a small black picture is dark everywhere.
    for (int p : Position::all) {
        QTest::newRow(qPrintable(QStringLiteral("9x5 at %1").arg(p))) << QSize(9, 5) << p << true;
        QTest::newRow(qPrintable(QStringLiteral("3x1 at %1").arg(p))) << QSize(3, 1) << p << true;
    }
    QTest::newRow("2 wide, empty left third") << QSize(2, 50) << int(Position::CenterLeft) << false;
    QTest::newRow("1x1 right third") << QSize(1, 1) << int(Position::BottomRight) << true;
}

void TestColourTest::smallPictures()
{
    QFETCH(QSize, size);
    QFETCH(int, position);
    QFETCH(bool, dark);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("out of range")));
    QCOMPARE(isDarkBackground(solidImage(size.width(), size.height(), Qt::black), position), dark);
}

void TestColourTest::tieAndUnknownPositionAreLight()
{
    QImage image = withBlack(60, 40, QRect(0, 0, 60, 20)); // top half black: a tie
    QVERIFY(!isDarkBackground(image, Position::TopCenter));
    const QImage black = solidImage(60, 40, Qt::black);
    QVERIFY(!isDarkBackground(black, 0));
    QVERIFY(!isDarkBackground(black, Qt::AlignLeft | Qt::AlignTop | Qt::AlignBottom));
    QVERIFY(!isDarkBackground(QImage(), Position::Center));
}

QTEST_MAIN(TestColourTest)
#include "tst_colourtest.moc"
