#include <QImageReader>
#include <QtTest>
#include <QtWidgets>

#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

void setFiles(Dialog &d, FakeUiServices &fake, const QStringList &files)
{
    fake.filesToOpen = files;
    child<QPushButton>(&d, "AddFileBtn")->click();
}

// Presses Run and waits for the end of the run; returns the progress values shown.
QList<int> run(Dialog &d)
{
    QSignalSpy progress(&d, &Dialog::newProgress);
    QSignalSpy finished(&d, &Dialog::runFinished);
    child<QPushButton>(&d, "Run")->click();
    if (d.isRunning() && !finished.wait(120000))
        return {};
    QList<int> values;
    for (const QList<QVariant> &args : progress)
        values << args.at(0).toInt();
    return values;
}

QString outDir()
{
    return WatermarkSettings::instance().outputDirPath;
}

} // namespace

class TestRun : public QObject
{
    Q_OBJECT

private slots:
    void runWritesEveryPictureAndShowsTheResults();
    void emptyListOpensTheFileDialog();
    void outputSizeChoices_data();
    void outputSizeChoices();
    void watermarkIsWhereThePositionSays();
    void failuresAreListedAfterTheRun();
    void manyFailuresAreSummarised();
    void missingOutputFolderIsRecreatedInPlace();
    void controlsAreLockedDuringARun();
    void closingDuringARunStopsItAndSavesSettings();
    void manualAutoColourLeavesTheLastColour();
};

void TestRun::runWritesEveryPictureAndShowsTheResults()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString in = env.path() + "/in";
    setFiles(dialog,
             fake,
             { writeImage(in, "a.jpg", solidImage(300, 200, Qt::white)),
               writeImage(in + "/x", "a.jpg", solidImage(200, 300, Qt::black)),
               writeImage(in, "Beach.JPG", solidImage(320, 240, Qt::gray), "jpeg") });
    QCOMPARE(run(dialog), (QList<int>{ 1, 33, 66, 100 }));
    QStringList names = QDir(outDir()).entryList(QDir::Files);
    names.sort();
    QCOMPARE(names, (QStringList{ "Beach.JPG", "a (2).jpg", "a.jpg" }));
    QCOMPARE(QImageReader(outDir() + "/Beach.JPG").format(), QByteArray("jpeg"));
    QCOMPARE(QImage(outDir() + "/a (2).jpg").size(), QSize(200, 300));
    QCOMPARE(
      fake.openedUrls,
      (QList<QUrl>{ QUrl::fromLocalFile(outDir()), QUrl::fromLocalFile(outDir() + "/Beach.JPG") }));
    QVERIFY(fake.messageTexts.isEmpty());
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(child(&dialog, "Run")->isEnabled());
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 100);
}

void TestRun::emptyListOpensTheFileDialog()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QSignalSpy progress(&dialog, &Dialog::newProgress);
    child<QPushButton>(&dialog, "Run")->click();
    QCOMPARE(fake.fileDialogCalls.size(), 1);
    QVERIFY(!dialog.isRunning());
    QVERIFY(child(&dialog, "Run")->isEnabled());
    QCOMPARE(progress.count(), 1);
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 0); // reset by the dialog
    QVERIFY(QDir(outDir()).entryList(QDir::Files).isEmpty());
    QVERIFY(fake.openedUrls.isEmpty());
}

void TestRun::outputSizeChoices_data()
{
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("original original")
      << 0 << 0 << QSize(400, 300) << "p.png" << QSize(400, 300) << QByteArray("png");
    QTest::newRow("640x480 portrait jpg")
      << 1 << 1 << QSize(480, 640) << "p.jpg" << QSize(640, 480) << QByteArray("jpeg");
    QTest::newRow("320x240 png") << 2 << 2 << QSize(400, 300) << "p.png" << QSize(320, 240)
                                 << QByteArray("png");
    QTest::newRow("240x160 tiff") << 3 << 3 << QSize(400, 300) << "p.tiff" << QSize(240, 160)
                                  << QByteArray("tiff");
    QTest::newRow("thumbnails of 4000x3000 bmp")
      << 4 << 4 << QSize(4000, 3000) << "p.bmp" << QSize(120, 120) << QByteArray("bmp");
    QTest::newRow("custom 1000x50 ppm")
      << 5 << 5 << QSize(400, 300) << "p.ppm" << QSize(1000, 50) << QByteArray("ppm");
    QTest::newRow("original xpm") << 0 << 6 << QSize(100, 80) << "p.xpm" << QSize(100, 80)
                                  << QByteArray("xpm");
}

void TestRun::outputSizeChoices()
{
    QFETCH(int, sizeIndex);
    QFETCH(int, formatIndex);
    QFETCH(QSize, source);
    QFETCH(QString, name);
    QFETCH(QSize, written);
    QFETCH(QByteArray, format);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    WatermarkSettings::instance().customWidth = 1000;
    WatermarkSettings::instance().customHeight = 50;
    setFiles(dialog,
             fake,
             { writeImage(env.path() + "/in",
                          "p.png",
                          solidImage(source.width(), source.height(), Qt::white)) });
    {
        const QSignalBlocker noCustomDialog(child(&dialog, "comboBox"));
        child<QComboBox>(&dialog, "comboBox")->setCurrentIndex(sizeIndex);
    }
    child<QComboBox>(&dialog, "comboFormats")->setCurrentIndex(formatIndex);
    QCOMPARE(run(dialog), (QList<int>{ 1, 100 }));
    QImageReader reader(outDir() + "/" + name);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.read().size(), written);
}

void TestRun::watermarkIsWhereThePositionSays()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    setFiles(
      dialog, fake, { writeImage(env.path() + "/in", "p.png", solidImage(900, 600, Qt::white)) });
    child<QRadioButton>(&dialog, "radioButton_4")->click(); // top centre
    child<QComboBox>(&dialog, "comboFormats")->setCurrentIndex(2);
    run(dialog);
    const QRect ink = changedArea(QImage(outDir() + "/p.png"), Qt::white, 30);
    QVERIFY2(ink.top() < 20 && ink.bottom() < 200 && qAbs(ink.center().x() - 450) < 8,
             qPrintable(QDebug::toString(ink)));
}

void TestRun::failuresAreListedAfterTheRun()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString in = env.path() + "/in";
    const QString good = writeImage(in, "good.png", solidImage(60, 40, Qt::white));
    const QString missing = in + "/missing.png";
    const QString noSuffix = writeImage(in, "holidayjpg", solidImage(60, 40, Qt::white), "jpeg");
    setFiles(dialog, fake, { missing, good, noSuffix });
    QCOMPARE(run(dialog), (QList<int>{ 1, 33, 66 }));
    QCOMPARE(fake.messageTexts.size(), 1);
    const QStringList lines = fake.messageTexts.first().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("2 of 3 pictures could not be processed:"));
    QVERIFY2(lines[1].startsWith(missing + ": could not be read ("), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(noSuffix + ": could not be written ("), qPrintable(lines[2]));
    QCOMPARE(
      fake.openedUrls,
      (QList<QUrl>{ QUrl::fromLocalFile(outDir()), QUrl::fromLocalFile(outDir() + "/good.png") }));

    // Nothing written: only the folder is shown.
    fake.openedUrls.clear();
    QFile::remove(good);
    run(dialog);
    QCOMPARE(fake.openedUrls, QList<QUrl>{ QUrl::fromLocalFile(outDir()) });
}

void TestRun::manyFailuresAreSummarised()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QStringList missing;
    for (int i = 0; i < 23; ++i)
        missing << env.path() + QStringLiteral("/gone%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    setFiles(dialog, fake, missing);
    run(dialog);
    const QStringList lines = fake.messageTexts.value(0).split('\n');
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines.first(), QStringLiteral("23 of 23 pictures could not be processed:"));
    QVERIFY(lines[20].startsWith(missing[19]));
    QCOMPARE(lines.last(), QStringLiteral("and 3 more"));
}

void TestRun::missingOutputFolderIsRecreatedInPlace()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString src = writeImage(env.path() + "/in", "p.png", solidImage(60, 40, Qt::white));
    setFiles(dialog, fake, { src });
    WatermarkSettings &s = WatermarkSettings::instance();
    s.outputDirPath = env.path() + "/chosen/Qrl_Output#";
    QDir().mkpath(env.path() + "/chosen");
    run(dialog);
    QVERIFY(QFile::exists(env.path() + "/chosen/Qrl_Output#/p.png"));
    QCOMPARE(QDir(env.path() + "/chosen").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{ "Qrl_Output#" });

    // Parent missing too: nothing is created anywhere, the picture is reported.
    s.outputDirPath = env.path() + "/gone/deeper/Qrl_Output#";
    run(dialog);
    QVERIFY(!QFileInfo::exists(env.path() + "/gone"));
    QVERIFY(fake.messageTexts.value(0).contains(": could not be written ("));
}

void TestRun::controlsAreLockedDuringARun()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    dialog.show();
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files << writeImage(
          env.path() + "/in", QStringLiteral("p%1.png").arg(i), solidImage(2500, 2000, Qt::white));
    setFiles(dialog, fake, files);
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(dialog.isRunning());
    const QStringList locked = {
        "Run",          "AddFileBtn",    "RemoveFileBtn", "listWidget",   "markTextBox",
        "useCopyright", "comboBox",      "comboFormats",  "ChooseOutDir", "AdvancedSettings",
        "radioButton",  "radioButton_5", "radioButton_8"
    };
    for (const QString &name : locked)
        QVERIFY2(!dialog.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!dialog.acceptDrops());
    QVERIFY(child(&dialog, "StopBtn")->isVisible());
    child<QListWidget>(&dialog, "listWidget")->clear(); // the run works on its own copy
    QVERIFY(finished.wait(120000));
    for (const QString &name : locked)
        QVERIFY2(dialog.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    QVERIFY(child(&dialog, "StopBtn")->isHidden());
    QCOMPARE(QDir(outDir()).entryList(QDir::Files).size(), 6);
}

void TestRun::closingDuringARunStopsItAndSavesSettings()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    dialog.show();
    QStringList files;
    const QString src = writeImage(env.path() + "/in", "p.png", solidImage(3000, 2000, Qt::white));
    for (int i = 0; i < 20; ++i)
        files << src;
    setFiles(dialog, fake, files);
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(dialog.isRunning());
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(QFile::exists(env.settingsFile()));
    QTRY_VERIFY(!dialog.isRunning());
    QVERIFY(fake.messageTexts.isEmpty());
    QVERIFY(fake.openedUrls.isEmpty());
    const QStringList written = QDir(outDir()).entryList(QDir::Files);
    QVERIFY(written.size() < 20);
    for (const QString &name : written) // no half-written file
        QCOMPARE(QImage(outDir() + "/" + name).size(), QSize(3000, 2000));
}

void TestRun::manualAutoColourLeavesTheLastColour()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    WatermarkSettings &s = WatermarkSettings::instance();
    setFiles(dialog,
             fake,
             { writeImage(env.path() + "/in", "white.png", solidImage(200, 100, Qt::white)),
               writeImage(env.path() + "/in", "black.png", solidImage(200, 100, Qt::black)),
               env.path() + "/in/missing.png" });
    QVERIFY(previewSettled(dialog)); // the preview of the first picture stores its colour too
    s.useDefaults = false;
    s.autoColor = true;
    s.alpha = 200;
    s.fontColor = Qt::red;
    run(dialog);
    QCOMPARE(s.fontColor, QColor(255, 255, 255, 200));
}

QTEST_MAIN(TestRun)
#include "tst_run.moc"
