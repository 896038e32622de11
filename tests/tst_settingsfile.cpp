#include <QBuffer>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"

namespace {

SettingsFile::Values readXml(const QByteArray &xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    SettingsFile::Values values;
    SettingsFile::read(&buffer, values);
    return values;
}

const QByteArray complete =
  R"(<settings WatermarkText="t" usecopyright="true" WatermarkPos="66" trans="124" usedefault="false" R="255" G="255" B="255" use_adv_intelli_color="false" use_adv_intelli_font="false" fontfamily="Arial" fontsize="12" fontWeight="75" isItalic="false"/>)";

// Limits the size of files this process writes: a full disk, as far as writing is concerned.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleIsByteExact();
    void roundTripKeepsEveryValue();
    void readerRules_data();
    void readerRules();
    void malformedFiles_data();
    void malformedFiles();
    void weightScale_data();
    void weightScale();
    void loadSetsFlagsOnlyWhenTheFileExists();
    void failedWritesKeepThePreviousFile_data();
    void failedWritesKeepThePreviousFile();
};

void TestSettingsFile::workedExampleIsByteExact()
{
    SettingsFile::Values v;
    v.text = QStringLiteral("Summer trip\nLake house");
    v.useCopyright = true;
    v.position = 66;
    v.alpha = 124;
    v.useDefaults = false;
    v.fontColor = QColor(255, 255, 255, 124);
    v.autoColor = false;
    v.autoFontSize = false;
    v.font = QFont(QStringLiteral("Arial"), 12);
    v.font.setWeight(QFont::Bold);
    QCOMPARE(
      SettingsFile::serialize(v),
      QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<settings WatermarkText=\"Summer trip&#10;Lake house\" usecopyright=\"true\" "
                 "WatermarkPos=\"66\" trans=\"124\" usedefault=\"false\" R=\"255\" G=\"255\" "
                 "B=\"255\" use_adv_intelli_color=\"false\" use_adv_intelli_font=\"false\" "
                 "fontfamily=\"Arial\" fontsize=\"12\" fontWeight=\"75\" isItalic=\"false\"/>\n"));
}

void TestSettingsFile::roundTripKeepsEveryValue()
{
    TestEnvironment env;
    SettingsFile::Values v;
    v.text = QStringLiteral("Line \"one\" & <two>\n\tthree\r\n© four");
    v.useCopyright = false;
    v.position = 129;
    v.alpha = 3;
    v.useDefaults = false;
    v.fontColor = QColor(12, 34, 56);
    v.autoColor = true;
    v.autoFontSize = false;
    v.font = QFont(QStringLiteral("Liberation Serif"), 31);
    v.font.setWeight(QFont::DemiBold);
    v.font.setItalic(true);
    QVERIFY(SettingsFile::save(env.settingsFile(), v));

    QFile file(env.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY(written.contains("&quot;one&quot; &amp; &lt;two&gt;&#10;&#9;three&#13;&#10;"));

    WatermarkSettings s;
    s.readSaved(env.settingsFile());
    QVERIFY(s.settingsLoaded);
    QCOMPARE(s.savedText, v.text);
    QCOMPARE(s.savedUseCopyright, false);
    QCOMPARE(s.savedPosition, 129);
    QCOMPARE(s.savedAlpha, 3);
    QCOMPARE(s.savedUseDefaults, false);
    QCOMPARE(s.savedFontColor, QColor(12, 34, 56));
    QCOMPARE(s.savedAutoColor, true);
    QCOMPARE(s.savedAutoFontSize, false);
    QCOMPARE(s.savedFont.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(s.savedFont.pointSize(), 31);
    QCOMPARE(s.savedFont.weight(), QFont::DemiBold);
    QCOMPARE(s.savedFont.italic(), true);
}

void TestSettingsFile::readerRules_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("R 300 wraps to 44") << "R=\"300\""
                                       << "red" << QVariant(44);
    QTest::newRow("R -1 wraps to 255") << "R=\"-1\""
                                       << "red" << QVariant(255);
    QTest::newRow("G 256 wraps to 0") << "G=\"256\""
                                      << "green" << QVariant(0);
    QTest::newRow("B huge 64-bit wraps") << "B=\"99999999999\""
                                         << "blue" << QVariant(int(99999999999LL & 0xff));
    QTest::newRow("True is not true") << "usedefault=\"True\""
                                      << "useDefaults" << QVariant(false);
    QTest::newRow("1 is not true") << "usecopyright=\"1\""
                                   << "useCopyright" << QVariant(false);
    QTest::newRow("true is true") << "use_adv_intelli_font=\"true\""
                                  << "autoFontSize" << QVariant(true);
    QTest::newRow("missing trans is the default") << ""
                                                  << "alpha" << QVariant(127);
    QTest::newRow("trans above 255 clamps") << "trans=\"4000\""
                                            << "alpha" << QVariant(255);
    QTest::newRow("trans negative clamps") << "trans=\"-7\""
                                           << "alpha" << QVariant(0);
    QTest::newRow("trans with spaces") << "trans=\" 5\""
                                       << "alpha" << QVariant(5);
    QTest::newRow("trans not a number") << "trans=\"12.5\""
                                        << "alpha" << QVariant(127);
    QTest::newRow("trans NaN") << "trans=\"NaN\""
                               << "alpha" << QVariant(127);
    QTest::newRow("position bottom centre") << "WatermarkPos=\"68\""
                                            << "position" << QVariant(68);
    QTest::newRow("position not a code") << "WatermarkPos=\"67\""
                                         << "position" << QVariant(0);
    QTest::newRow("position overflowing int") << "WatermarkPos=\"4294967329\""
                                              << "position" << QVariant(0);
    QTest::newRow("fontsize -1 is 12 pt") << "fontsize=\"-1\""
                                          << "pointSize" << QVariant(12);
    QTest::newRow("fontsize 0 is 12 pt") << "fontsize=\"0\""
                                         << "pointSize" << QVariant(12);
    QTest::newRow("fontsize huge is 1000") << "fontsize=\"99999999999\""
                                           << "pointSize" << QVariant(1000);
    QTest::newRow("weight negative is normal") << "fontWeight=\"-5\""
                                               << "weight" << QVariant(400);
    QTest::newRow("weight 75 is bold") << "fontWeight=\"75\""
                                       << "weight" << QVariant(700);
    QTest::newRow("weight huge is black") << "fontWeight=\"99999999999\""
                                          << "weight" << QVariant(900);
    QTest::newRow("missing text is empty") << ""
                                           << "text" << QVariant(QString());
    QTest::newRow("escaped text") << "WatermarkText=\"a&#10;b&amp;&quot;\""
                                  << "text" << QVariant(QString("a\nb&\""));
    QTest::newRow("unknown attributes ignored") << "zzz=\"1\" WatermarkText=\"x\" foo=\"bar\""
                                                << "text" << QVariant(QString("x"));
    QTest::newRow("italic") << "isItalic=\"true\""
                            << "italic" << QVariant(true);
}

void TestSettingsFile::readerRules()
{
    QFETCH(QString, attributes);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    const SettingsFile::Values v = readXml("<settings " + attributes.toUtf8() + "/>");
    const QHash<QString, QVariant> actual = {
        { "red", v.fontColor.red() },
        { "green", v.fontColor.green() },
        { "blue", v.fontColor.blue() },
        { "useDefaults", v.useDefaults },
        { "useCopyright", v.useCopyright },
        { "autoFontSize", v.autoFontSize },
        { "alpha", v.alpha },
        { "position", v.position },
        { "pointSize", v.font.pointSize() },
        { "weight", int(v.font.weight()) },
        { "text", v.text },
        { "italic", v.font.italic() },
    };
    QVERIFY(actual.contains(field));
    QCOMPARE(actual.value(field), expected);
    QCOMPARE(v.fontColor.alpha(), 255);
}

void TestSettingsFile::malformedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alpha");

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    QTest::newRow("empty") << QByteArray() << QString() << 127;
    static const char garbage[] = "\x00\xff garbage <<<";
    QTest::newRow("not xml") << QByteArray(garbage, sizeof garbage - 1) << QString() << 127;
    QTest::newRow("no settings element") << head + "<other a=\"1\"/>" << QString() << 127;
    QTest::newRow("broken after a complete start tag")
      << head + "<root>" + complete.chopped(2) + "><x"
      << "t" << 124;
    QTest::newRow("cut inside the start tag") << head + complete.left(60) << QString() << 127;
    QTest::newRow("nested at any depth") << head + "<a><b>" + complete + "</b></a>"
                                         << "t" << 124;
    QTest::newRow("last element wins")
      << head + "<r>" + complete + "<settings WatermarkText=\"second\" trans=\"9\"/></r>"
      << "second" << 9;
    QTest::newRow("case-sensitive name")
      << head + "<Settings WatermarkText=\"x\" trans=\"9\"/>" << QString() << 127;
    QTest::newRow("a 65 KB text: the default, never cut")
      << head + "<settings WatermarkText=\"" + QByteArray(65 * 1024, 'x') + "\" trans=\"9\"/>"
      << QString() << 9;
    QTest::newRow("reordered attributes") << head + "<settings trans=\"77\" WatermarkText=\"r\"/>"
                                          << "r" << 77;
    QTest::newRow("entity bomb")
      << head + "<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
                "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">"
                "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
                "<settings trans=\"8\" WatermarkText=\"&f;\"/>"
      << QString() << 127;
}

void TestSettingsFile::malformedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QFETCH(int, alpha);
    TestEnvironment env;
    QFile file(env.settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    WatermarkSettings s;
    s.readSaved(env.settingsFile());
    QVERIFY(s.settingsLoaded);
    QVERIFY(!s.useDefaults);
    QCOMPARE(s.savedText, text);
    QCOMPARE(s.savedAlpha, alpha);
}

void TestSettingsFile::weightScale_data()
{
    QTest::addColumn<int>("legacy");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("back");
    QTest::newRow("0 thin") << 0 << 100 << 0;
    QTest::newRow("50 normal") << 50 << 400 << 50;
    QTest::newRow("75 bold") << 75 << 700 << 75;
    QTest::newRow("99 black") << 99 << 900 << 87;
    QTest::newRow("tie 6 takes the lower") << 6 << 100 << 0;
    QTest::newRow("66 nearer demibold") << 66 << 600 << 63;
    QTest::newRow("negative is normal") << -1 << 400 << 50;
}

void TestSettingsFile::weightScale()
{
    QFETCH(int, legacy);
    QFETCH(int, weight);
    QFETCH(int, back);
    QCOMPARE(SettingsFile::legacyToWeight(legacy), weight);
    QCOMPARE(SettingsFile::weightToLegacy(weight), back);
}

void TestSettingsFile::loadSetsFlagsOnlyWhenTheFileExists()
{
    TestEnvironment env;
    WatermarkSettings s;
    s.readSaved(env.settingsFile());
    QVERIFY(!s.settingsLoaded);
    QVERIFY(s.useDefaults);
    QCOMPARE(s.savedAlpha, 127);
}

void TestSettingsFile::failedWritesKeepThePreviousFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("disk full") << true;
    QTest::newRow("folder replaced by a file") << false;
}

void TestSettingsFile::failedWritesKeepThePreviousFile()
{
    QFETCH(bool, fullDisk);
    TestEnvironment env;
    const QByteArray old = "<?xml version=\"1.0\"?><settings WatermarkText=\"old\"/>\n";
    QString path = env.settingsFile();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    SettingsFile::Values v;
    v.text = QString(4000, QLatin1Char('x'));
    v.font = QFont(QStringLiteral("Arial"));
    QString error;
    if (fullDisk) {
        FileSizeLimit limit(100);
        QVERIFY(!SettingsFile::save(path, v, &error));
    } else {
        // The target's folder is a regular file: nothing can be created inside it.
        QVERIFY(!SettingsFile::save(path + QStringLiteral("/settings.qrl.xml"), v, &error));
    }
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

QTEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
