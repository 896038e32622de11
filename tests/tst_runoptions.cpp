#include <QtTest>

#include "cli/batchcommand.h"
#include "settings/configfile.h"
#include "settings/runoptions.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"

// The option table read from quorlane.conf and given on the command line: each key's default,
// a good value, and values out of range or of the wrong type.
class TestRunOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyFileGivesTheDefaults();
    void values_data();
    void values();

private:
    TestEnvironment *m_env = nullptr;
};

namespace {

QSettings config()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "quorlane", "quorlane");
}

RunOptions fromCommandLine(const QStringList &arguments, QString *error)
{
    QBuffer input;
    const ParsedCommand parsed =
      parseBatchCommand(QStringList{ "quorlane-batch" } + arguments + QStringList{ "a.jpg" },
                        &input,
                        WatermarkSettings::instance());
    *error = parsed.error;
    return { parsed.command.request.policy, parsed.command.request.style.effects };
}

} // namespace

void TestRunOptions::initTestCase()
{
    m_env = new TestEnvironment;
}

void TestRunOptions::emptyFileGivesTheDefaults()
{
    config().clear();
    const RunOptions defaults;
    const RunOptions read = ConfigFile::load();
    for (const RunOption &option : runOptions())
        QCOMPARE(option.get(read), option.get(defaults));
    QCOMPARE(runOption("jpegQuality").get(defaults), QString("75"));
    QCOMPARE(runOption("existingFiles").get(defaults), QString("replace"));
}

void TestRunOptions::values_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");        // the value in quorlane.conf
    QTest::addColumn<QStringList>("arguments"); // the same value on the command line
    QTest::addColumn<bool>("valid");

    const auto row = [](const char *name,
                        const char *key,
                        const char *stored,
                        const QStringList &arguments,
                        bool valid) { QTest::newRow(name) << key << stored << arguments << valid; };
    row("quality", "jpegQuality", "90", { "-Q", "90" }, true);
    row("quality 0", "jpegQuality", "0", { "--quality", "0" }, false);
    row("quality word", "jpegQuality", "high", { "-Q", "high" }, false);
    row("quality overflow", "jpegQuality", "4294967371", { "-Q", "4294967371" }, false);
    row("fit", "resize", "fit", { "--fit" }, true);
    row("resize word", "resize", "squash", {}, false);
    row("metadata", "metadata", "none", { "--metadata", "none" }, true);
    row("metadata word", "metadata", "some", { "--metadata", "some" }, false);
    row("notice", "copyrightFromText", "true", { "--copyright-notice" }, true);
    row("notice yes", "copyrightFromText", "yes", {}, false);
    row("skip", "existingFiles", "skip", { "--if-exists", "skip" }, true);
    row("existing ask", "existingFiles", "ask", { "--if-exists", "ask" }, false);
    row("margin 20", "margin", "20", { "--margin", "20" }, true);
    row("margin 21", "margin", "21", { "--margin", "21" }, false);
    row("angle -90", "angle", "-90", { "--angle", "-90" }, true);
    row("angle 4.5", "angle", "4.5", { "--angle", "4.5" }, false);
    row("outline", "outline", "true", { "--outline" }, true);
    row("outline 1", "outline", "1", {}, false);
    row("no shadow", "shadow", "false", { "--no-shadow" }, true);
    row("tile", "tile", "true", { "--tile" }, true);
    row("automatic position", "autoPosition", "true", { "-p", "auto" }, true);
    row("text size by the shorter side",
        "textSizeBy",
        "short-side",
        { "--text-size-by", "short-side" },
        true);
    row("text size by height", "textSizeBy", "height", { "--text-size-by", "height" }, false);
    row("automatic position 1", "autoPosition", "1", {}, false);
    row("logo width 1", "logoWidth", "1", { "--logo-width", "1" }, true);
    row("logo width 0", "logoWidth", "0", { "--logo-width", "0" }, false);
    row("logo top left", "logoPosition", "33", { "--logo-position", "top-left" }, true);
    row("logo position 32", "logoPosition", "32", { "--logo-position", "up" }, false);
    row("logo opacity 0", "logoOpacity", "0", { "--logo-opacity", "0" }, true);
    row("logo opacity 256", "logoOpacity", "256", { "--logo-opacity", "256" }, false);
    row("keep jpeg", "jpegMode", "keep", { "--keep-jpeg" }, true);
    row("encode jpeg", "jpegMode", "encode", { "--no-keep-jpeg" }, true);
    row("jpeg mode word", "jpegMode", "lossless", {}, false);
    row("colour srgb", "colour", "srgb", { "--colour", "srgb" }, true);
    row("colour word", "colour", "p3", { "--colour", "p3" }, false);
    row("name template",
        "nameTemplate",
        "{name}, {counter:3}",
        { "--name", "{name}, {counter:3}" },
        true);
    row("counter too wide", "nameTemplate", "{counter:10}", { "--name", "{counter:10}" }, false);
    row("counter of no width", "nameTemplate", "{counter:0}", { "--name", "{counter:0}" }, false);
    row("unknown field", "nameTemplate", "{nope}-web", { "--name", "{nope}-web" }, false);
    row("unclosed brace", "nameTemplate", "{name", { "--name", "{name" }, false);
    row("braces as text", "nameTemplate", "{{name}}", { "--name", "{{name}}" }, true);
    const QByteArray long64 = "{name}" + QByteArray(64 * 1024, 'z');
    QTest::newRow("a 64 KB template in the file")
      << "nameTemplate" << QString(long64) << QStringList() << false;
}

void TestRunOptions::values()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    const RunOption &option = runOption(key.toLatin1().constData());
    const QString expected = valid ? stored : option.get(RunOptions());

    config().clear();
    config().setValue(QLatin1String(option.group) + '/' + key, stored);
    QCOMPARE(option.get(ConfigFile::load()), expected);
    // What is read is written back in the same words.
    QVERIFY(ConfigFile::save(ConfigFile::load()));
    QCOMPARE(config().value(QLatin1String(option.group) + '/' + key).toString(), expected);

    if (arguments.isEmpty())
        return; // the command line has no spelling for this value
    config().clear();
    QString error;
    const RunOptions given = fromCommandLine(arguments, &error);
    if (valid) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(option.get(given), stored);
    } else {
        QCOMPARE(error,
                 QString("invalid value '%1' for --%2 (%3)")
                   .arg(arguments.at(1), option.longName(), option.refusal(arguments.at(1))));
    }
}

QTEST_MAIN(TestRunOptions)
#include "tst_runoptions.moc"
