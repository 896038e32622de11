#include <QtTest>

#include "settings/appfolders.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"

class TestAppFolders : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesBothFolders();
    void secondStartTouchesNothing();
    void blockedSubfolderFallsBackToTheBase_data();
    void blockedSubfolderFallsBackToTheBase();
};

void TestAppFolders::firstStartCreatesBothFolders()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorlane"));
    QTemporaryDir tmp;
    const QString base = tmp.path() + QStringLiteral("/new/data"); // parents are missing too
    qputenv("XDG_DATA_HOME", QFile::encodeName(base));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(tmp.path() + QStringLiteral("/cache")));
    WatermarkSettings s;
    AppFolders::setUp(s);
    QCOMPARE(s.outputDirPath, base + QStringLiteral("/QRL"));
    QCOMPARE(s.settingsDirPath, base + QStringLiteral("/QRLSettings"));
    QVERIFY(QFileInfo(s.outputDirPath).isDir());
    QVERIFY(QFileInfo(s.settingsDirPath).isDir());
    QCOMPARE(s.cacheDirPath, tmp.path() + QStringLiteral("/cache/quorlane"));
    QVERIFY(QFileInfo(s.cacheDirPath).isDir());
    QCOMPARE(s.appDirPath, QCoreApplication::applicationDirPath());
}

void TestAppFolders::secondStartTouchesNothing()
{
    TestEnvironment env;
    const QString output = WatermarkSettings::instance().outputDirPath;
    QFile marker(output + QStringLiteral("/kept.txt"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write("x");
    marker.close();
    WatermarkSettings again;
    AppFolders::setUp(again);
    QCOMPARE(again.outputDirPath, output);
    QCOMPARE(QDir(output).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{ "kept.txt" });
}

void TestAppFolders::blockedSubfolderFallsBackToTheBase_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::newRow("QRL") << "QRL";
    QTest::newRow("QRLSettings") << "QRLSettings";
}

void TestAppFolders::blockedSubfolderFallsBackToTheBase()
{
    QFETCH(QString, blocked);
    QTemporaryDir tmp;
    qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.path()));
    // A regular file where the folder should be: it can be neither created nor entered.
    QFile file(tmp.path() + QLatin1Char('/') + blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    WatermarkSettings s;
    AppFolders::setUp(s);
    const QString expectedOutput = blocked == "QRL" ? tmp.path() : tmp.path() + "/QRL";
    const QString expectedSettings =
      blocked == "QRLSettings" ? tmp.path() : tmp.path() + "/QRLSettings";
    QCOMPARE(s.outputDirPath, expectedOutput);
    QCOMPARE(s.settingsDirPath, expectedSettings);
}

QTEST_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
