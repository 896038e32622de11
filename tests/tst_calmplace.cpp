#include <QPainter>
#include <QtTest>

#include "engine/mark/calmplace.h"
#include "engine/mark/positions.h"
#include "engine/mark/watermark.h"
#include "engine/preview/previewcache.h"
#include "engine/preview/previewrenderer.h"
#include "testsupport.h"

namespace {

const QString text = QStringLiteral("© Anna Berg\n2026");

WatermarkStyle automaticPlace()
{
    WatermarkStyle style;
    style.effects.autoPosition = true;
    return style;
}

// Grey noise everywhere but the mark's box at calm (when calm is a position), which is flat.
QImage noiseWithCalm(const QSize &size, int calm)
{
    QImage picture(size, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int v = int(noise.bounded(256));
            row[x] = qRgb(v, v, v);
        }
    }
    if (calm)
        QPainter(&picture).fillRect(
          watermarkBox(size, text, calm, automaticPlace()).adjusted(-8, -8, 8, 8),
          QColor(90, 90, 90));
    return picture;
}

} // namespace

class TestCalmPlace : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheCalmPlace_data();
    void choosesTheCalmPlace();
    void measureIsSmallGreyAndUpright();
};

void TestCalmPlace::choosesTheCalmPlace_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("chosen");
    const QSize landscape(1200, 800);
    for (const int calm : CalmPlace::candidates(Position::Center).mid(1))
        QTest::addRow("calm at %d", calm)
          << noiseWithCalm(landscape, calm) << int(Position::Center) << calm;
    QTest::newRow("portrait, calm top left")
      << noiseWithCalm(landscape.transposed(), Position::TopLeft) << int(Position::BottomRight)
      << int(Position::TopLeft);
    // Sky above a busy band: of the calm places, the one nearest the grid's.
    QImage band = noiseWithCalm(landscape, 0);
    QPainter(&band).fillRect(0, 0, 1200, 500, QColor(150, 190, 230));
    QTest::newRow("busy band: the nearest calm corner")
      << band << int(Position::BottomRight) << int(Position::TopRight);
    QTest::newRow("busy band, grid at the bottom left")
      << band << int(Position::BottomLeft) << int(Position::TopLeft);
    QTest::newRow("flat: the grid's position")
      << solidImage(900, 600, Qt::darkGreen) << int(Position::CenterRight)
      << int(Position::CenterRight);
    QTest::newRow("noise everywhere: the grid's position")
      << noiseWithCalm(landscape, 0) << int(Position::BottomLeft) << int(Position::BottomLeft);
    QTest::newRow("the grid's place is calm already")
      << noiseWithCalm(landscape, Position::BottomCenter) << int(Position::BottomCenter)
      << int(Position::BottomCenter);
}

void TestCalmPlace::choosesTheCalmPlace()
{
    QFETCH(QImage, picture);
    QFETCH(int, grid);
    QFETCH(int, chosen);
    QCOMPARE(CalmPlace::positionOn(picture, text, grid, automaticPlace()), chosen);
    QCOMPARE(CalmPlace::positionOn(picture, text, grid, WatermarkStyle()), grid); // off: as today

    // The preview and the run choose the same place on the same file.
    TestEnvironment env;
    const QString source = writeImage(env.path(), "p.png", picture);
    PreviewRequest request;
    request.path = source;
    request.text = WatermarkText(text, false);
    request.position = grid;
    request.style = automaticPlace();
    request.viewSize = QSize(300, 300);
    PreviewCache cache;
    QCOMPARE(renderPreview(request, cache).position, chosen);
    RunSnapshot run = testRun({ source }, env.path() + "/out", "png", grid);
    run.text = WatermarkText(text, false);
    run.style = automaticPlace();
    const BatchReport report = runToEnd(run);
    QCOMPARE(report.outcomes.value(0).position, chosen);
}

void TestCalmPlace::measureIsSmallGreyAndUpright()
{
    QImage picture = solidImage(3000, 1000, Qt::white);
    QPainter(&picture).fillRect(0, 0, 1500, 1000, Qt::black);
    const QImage measure = CalmPlace::measureOf(picture);
    QCOMPARE(measure.size(), QSize(256, 85));
    QCOMPARE(measure.format(), QImage::Format_Grayscale8);
    QCOMPARE(qGray(measure.pixel(10, 40)), 0);
    QCOMPARE(qGray(measure.pixel(245, 40)), 255);
    // RGBA pixels (HEIF) give the same brightness as RGB32 ones.
    const QImage colour = solidImage(512, 512, QColor(200, 40, 10));
    QCOMPARE(CalmPlace::measureOf(colour.convertToFormat(QImage::Format_RGBX8888)),
             CalmPlace::measureOf(colour));
    QCOMPARE(CalmPlace::measureOf(solidImage(100, 50, Qt::gray)).size(), QSize(100, 50));
}

QTEST_MAIN(TestCalmPlace)
#include "tst_calmplace.moc"
