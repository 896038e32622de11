#include <QPainter>
#include <QtTest>
#include <QtWidgets>

#include "engine/mark/positions.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/advanced.h"
#include "ui/dialog.h"

namespace {

// Shows the sample picture in the advanced preview, as the main window would have.
void useSample(const TestEnvironment &env)
{
    WatermarkSettings::instance().previewSourcePath =
      writeImage(env.path(), "sample.png", solidImage(400, 300, Qt::darkGray));
}

} // namespace

class TestAdvanced : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void openingDriftsTheOpacity_data();
    void openingDriftsTheOpacity();
    void sliderEnds();
    void closingButtons_data();
    void closingButtons();
    void cancelledChoosersChangeNothing();
    void chosenFontAndColourAreStored();
    void automaticSizeStoresTheFittedSize();
    void unreadablePictureLeavesTheViewBlank();
    void mainWindowRefreshesOnceAfterwards();
    void manualSettingsEndToEnd();
};

void TestAdvanced::form()
{
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Advanced Settings (Manual)"));
    QCOMPARE(dialog.size(), QSize(603, 398));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(child<QPushButton>(&dialog, "Reset")->toolTip(),
             QStringLiteral("Restore the  default settings and return to main screen."));
    QCOMPARE(child<QPushButton>(&dialog, "Reset")->geometry(), QRect(102, 360, 151, 32));
    QVERIFY(child<QPushButton>(&dialog, "ApplySetting")->isDefault());
    QCOMPARE(child<QCheckBox>(&dialog, "Adv_Intelli_font")->text(),
             QStringLiteral("Adjust font size automatically"));
    QCOMPARE(child<QLabel>(&dialog, "label_5")->text() + child<QLabel>(&dialog, "label_6")->text(),
             QStringLiteral("Try maximizing font size if you can't see Text in preview"));
    QCOMPARE(child<QScrollBar>(&dialog, "horizontalScrollBar")->maximum(), 100);
    // The sample for the dialog is read stretched to 355 × 280 into the cache folder.
    QCOMPARE(QImage(WatermarkSettings::instance().cacheDirPath + "/preview2.jpeg").size(),
             QSize(355, 280));
    const QSizeF shown =
      child<QGraphicsView>(&dialog, "graphicsView")->scene()->itemsBoundingRect().size();
    QCOMPARE(shown, QSizeF(355, 266)); // 400 × 300 kept in proportion within 355 × 286
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(child<QPushButton>(&dialog, "FontSize")->text(), QStringLiteral("Change Font"));
}

void TestAdvanced::openingDriftsTheOpacity_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("afterOne");
    QTest::addColumn<int>("afterTwo");
    QTest::newRow("127 -> 124 -> 122") << 127 << 124 << 122;
    QTest::newRow("0 unchanged") << 0 << 0 << 0;
    QTest::newRow("1 unchanged") << 1 << 1 << 1;
    QTest::newRow("2 unchanged") << 2 << 2 << 2;
    QTest::newRow("255 stays") << 255 << 255 << 255;
}

void TestAdvanced::openingDriftsTheOpacity()
{
    QFETCH(int, alpha);
    QFETCH(int, afterOne);
    QFETCH(int, afterTwo);
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    WatermarkSettings &s = WatermarkSettings::instance();
    s.alpha = alpha;
    {
        Advanced dialog(WatermarkSettings::instance());
        QVERIFY(previewSettled(dialog));
        QCOMPARE(s.alpha, afterOne);
        QCOMPARE(child<QScrollBar>(&dialog, "horizontalScrollBar")->value(), alpha * 100 / 255);
    }
    Advanced again(WatermarkSettings::instance());
    QVERIFY(previewSettled(again));
    QCOMPARE(s.alpha, afterTwo);
    QCOMPARE(s.fontColor.alpha(), afterTwo); // the render set the colour's alpha
}

void TestAdvanced::sliderEnds()
{
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    auto *slider = child<QScrollBar>(&dialog, "horizontalScrollBar");
    slider->setValue(0);
    QCOMPARE(WatermarkSettings::instance().alpha, 0);
    slider->setValue(100);
    QCOMPARE(WatermarkSettings::instance().alpha, 255);
    slider->setValue(50);
    QCOMPARE(WatermarkSettings::instance().alpha, 127);
}

void TestAdvanced::closingButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("useDefaults");
    QTest::addColumn<bool>("autoColor");
    QTest::addColumn<bool>("autoFontSize");
    QTest::newRow("apply") << "ApplySetting" << false << false << false;
    QTest::newRow("reset") << "Reset" << true << true << true;
    QTest::newRow("close button") << "" << true << false << false;
}

void TestAdvanced::closingButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, useDefaults);
    QFETCH(bool, autoColor);
    QFETCH(bool, autoFontSize);
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    WatermarkSettings &s = WatermarkSettings::instance();
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    dialog.show();
    fake.colourToChoose = QColor(10, 200, 30);
    child<QPushButton>(&dialog, "FontColor")->click();      // autoColor off
    child<QCheckBox>(&dialog, "Adv_Intelli_font")->click(); // was checked: now off
    if (button.isEmpty())
        dialog.close();
    else
        child<QPushButton>(&dialog, qPrintable(button))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(s.useDefaults, useDefaults);
    QCOMPARE(s.autoColor, autoColor);
    QCOMPARE(s.autoFontSize, autoFontSize);
    QCOMPARE(s.fontColor.rgb(), QColor(10, 200, 30).rgb()); // the chosen colour stays stored
}

void TestAdvanced::cancelledChoosersChangeNothing()
{
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    WatermarkSettings &s = WatermarkSettings::instance();
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    const QFont font = s.watermarkFont;
    const QColor colour = s.fontColor;
    fake.fontAccepted = false;
    fake.fontToChoose = QFont("Liberation Serif", 40);
    child<QPushButton>(&dialog, "FontSize")->click();
    fake.colourToChoose = QColor(); // cancelled
    child<QPushButton>(&dialog, "FontColor")->click();
    QCOMPARE(fake.fontDialogs, 1);
    QCOMPARE(fake.colourDialogs, 1);
    QCOMPARE(s.watermarkFont, font);
    QCOMPARE(s.fontColor, colour);
    QVERIFY(s.autoColor);
}

void TestAdvanced::chosenFontAndColourAreStored()
{
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    WatermarkSettings &s = WatermarkSettings::instance();
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    fake.fontAccepted = true;
    fake.fontToChoose = QFont("Liberation Serif", 40, QFont::Bold, true);
    child<QPushButton>(&dialog, "FontSize")->click();
    QVERIFY(previewSettled(dialog));
    // The check box is on, so the chosen font is stored at the size fitted to the picture.
    QCOMPARE(s.watermarkFont.family(), QStringLiteral("Liberation Serif"));
    QVERIFY(s.watermarkFont.bold() && s.watermarkFont.italic());
    QCOMPARE(s.watermarkFont.pixelSize(), 25);
    fake.colourToChoose = QColor(250, 0, 0);
    child<QPushButton>(&dialog, "FontColor")->click();
    QVERIFY(previewSettled(dialog));
    QCOMPARE(s.fontColor, QColor(250, 0, 0, s.alpha));
    QVERIFY(!s.autoColor);
}

void TestAdvanced::automaticSizeStoresTheFittedSize()
{
    TestEnvironment env;
    FakeUiServices fake;
    useSample(env);
    WatermarkSettings &s = WatermarkSettings::instance();
    s.autoFontSize = false;
    s.previewText = QStringLiteral("© Name");
    s.watermarkFont = QFont("Arial", 12, QFont::Bold);
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    auto *box = child<QCheckBox>(&dialog, "Adv_Intelli_font");
    QVERIFY(!box->isChecked());
    box->click();
    QVERIFY(previewSettled(dialog));
    QVERIFY(s.autoFontSize);
    QCOMPARE(s.watermarkFont.pixelSize(), 400 / 16);
    QVERIFY(s.watermarkFont.bold());
    box->click();
    QVERIFY(previewSettled(dialog));
    QVERIFY(!s.autoFontSize);
    QCOMPARE(s.watermarkFont.pixelSize(), 25); // the fitted size stays
}

void TestAdvanced::unreadablePictureLeavesTheViewBlank()
{
    TestEnvironment env;
    FakeUiServices fake;
    WatermarkSettings &s = WatermarkSettings::instance();
    s.previewSourcePath = env.path() + "/gone.png";
    Advanced dialog(WatermarkSettings::instance());
    QVERIFY(previewSettled(dialog));
    QVERIFY(child<QGraphicsView>(&dialog, "graphicsView")->scene()->items().isEmpty());
    child<QScrollBar>(&dialog, "horizontalScrollBar")->setValue(100);
    QVERIFY(previewSettled(dialog));
    QCOMPARE(s.alpha, 255);
    QCOMPARE(s.fontColor.alpha(), 255);
}

void TestAdvanced::mainWindowRefreshesOnceAfterwards()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog main;
    QSignalSpy refreshed(&main, &Dialog::previewRefreshed);
    // Let the start-up debounce fire first, so that it cannot fall inside the dialog's loop.
    QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 1, 5000);
    QRadioButton *bottom = child<QRadioButton>(&main, "radioButton_6");
    bottom->click();
    QVERIFY(previewSettled(main)); // the position's own refresh is not the one counted
    refreshed.clear();
    int alignment = 0;
    QString text;
    onNextModal([&](QWidget *w) {
        alignment = WatermarkSettings::instance().previewAlignment;
        text = WatermarkSettings::instance().previewText.filled(FieldValues());
        w->close();
    });
    child<QPushButton>(&main, "AdvancedSettings")->click();
    QCOMPARE(alignment, int(Position::BottomCenter));
    QCOMPARE(text, QString::fromUtf8("© Name\nComments"));
    QVERIFY(previewSettled(main));
    QCOMPARE(refreshed.count(), 1);
}

void TestAdvanced::manualSettingsEndToEnd()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog main;
    QImage grey = solidImage(1200, 900, QColor(128, 128, 128));
    grey.setDotsPerMeterX(3780); // 96 dpi
    grey.setDotsPerMeterY(3780);
    fake.filesToOpen = { writeImage(env.path() + "/in", "grey.png", grey) };
    child<QPushButton>(&main, "AddFileBtn")->click();

    QFont bold(QStringLiteral("Arial"), 12);
    bold.setWeight(QFont::Bold);
    fake.fontAccepted = true;
    fake.fontToChoose = bold;
    fake.colourToChoose = Qt::white;
    onNextModal([&](QWidget *w) {
        auto *box = child<QCheckBox>(w, "Adv_Intelli_font");
        if (box->isChecked())
            box->click();
        child<QPushButton>(w, "FontColor")->click();
        child<QPushButton>(w, "FontSize")->click();
        child<QScrollBar>(w, "horizontalScrollBar")->setValue(100);
        child<QPushButton>(w, "ApplySetting")->click();
    });
    child<QPushButton>(&main, "AdvancedSettings")->click();
    child<QRadioButton>(&main, "radioButton_8")->click(); // bottom right
    child<QComboBox>(&main, "comboFormats")->setCurrentIndex(2);

    QSignalSpy finished(&main, &Dialog::runFinished);
    child<QPushButton>(&main, "Run")->click();
    QVERIFY(finished.wait(60000));
    const QString out = WatermarkSettings::instance().outputDirPath + "/grey.png";
    const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);

    QImage expected = grey.convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&expected);
        QFont px16(QStringLiteral("Arial"));
        px16.setPixelSize(16);
        px16.setWeight(QFont::Bold);
        p.setFont(px16);
        p.setPen(Qt::white);
        p.drawText(
          expected.rect(), Qt::AlignRight | Qt::AlignBottom, QString::fromUtf8("© Name\nComments"));
    }
    QCOMPARE(written, expected);
    QVERIFY(written.pixelColor(changedArea(written, QColor(128, 128, 128)).center()).isValid());
    QVERIFY(changedArea(written, QColor(128, 128, 128), 10).bottom() > 880);

    child<QComboBox>(&main, "comboFormats")->setCurrentIndex(0);
    {
        const QSignalBlocker block(child(&main, "comboBox"));
        child<QComboBox>(&main, "comboBox")->setCurrentIndex(4);
    }
    child<QPushButton>(&main, "Run")->click();
    QVERIFY(finished.wait(60000));
    QCOMPARE(QImage(out).size(), QSize(120, 120));

    main.close();
    QFile file(env.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray xml = file.readAll();
    for (const char *attribute : { "usedefault=\"false\"",
                                   "R=\"255\"",
                                   "G=\"255\"",
                                   "B=\"255\"",
                                   "trans=\"255\"",
                                   "use_adv_intelli_color=\"false\"",
                                   "use_adv_intelli_font=\"false\"",
                                   "fontsize=\"12\"",
                                   "fontWeight=\"75\"",
                                   "WatermarkPos=\"66\"" })
        QVERIFY2(xml.contains(attribute), attribute);
}

QTEST_MAIN(TestAdvanced)
#include "tst_advanced.moc"
