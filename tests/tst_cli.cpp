#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <exiv2/exiv2.hpp>

#include "cli/batchcommand.h"
#include "engine/imageio/heifcodec.h"
#include "engine/mark/positions.h"
#include "engine/run/runplanner.h"
#include "settings/configfile.h"
#include "settings/constants.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

// Runs quorlane-batch to its end; returns its exit status, standard error in *errors.
int runBatch(const QStringList &arguments, QByteArray *errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(QUORLANE_BATCH), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Every file in dir, hidden ones included: a stopped run must leave no temporary file.
QStringList allFiles(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

QList<QJsonObject> reportLines(const QString &path)
{
    QList<QJsonObject> lines;
    for (const QByteArray &line : fileBytes(path).split('\n')) {
        if (!line.isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    }
    return lines;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arguments_data();
    void arguments();
    void sameBytesAsTheWindow();
    void automaticPositionIsTheWindowsRun();
    void longEdges_data();
    void longEdges();
    void presetsAreSavedListedAndUsed();
    void fieldsGiveTheBytesOfTheTypedText();
    void interruptFinishesThePicturesInFlight_data();
    void interruptFinishesThePicturesInFlight();
    void parallelProcessesNeverLoseAPicture();
    void noSourceIsReplaced_data();
    void noSourceIsReplaced();
    void reportFile_data();
    void reportFile();
    void keptJpegsSayWhy();
    void publishesOnAnNfsLikeFolder();
    void webpSizesAreRefusedBeforeDecoding();
    void hostileInputs_data();
    void hostileInputs();
    void settingsFiles_data();
    void settingsFiles();
    void leavesHomeAloneAndSurvivesAClosedPipe();
    void hotFolder_data();
    void hotFolder();

private:
    TestEnvironment *m_env = nullptr;
};

void TestCli::initTestCase()
{
    m_env = new TestEnvironment; // kept for the whole program: the CLI's defaults live there
}

void TestCli::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error"); // the start of the usage error, or empty
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("options"); // metadata quality resize existing notice jobs

    const QString none;
    QTest::newRow("defaults") << QStringList{ "a.jpg" } << none << "© Name\nComments"
                              << Position::Center << QSize() << "Original"
                              << "all-but-location 75 stretch replace 0 0";
    QTest::newRow("everything")
      << QStringList{ "-t",          "Anna\nBerg",   "--no-copyright-sign",
                      "-p",          "bottom-right", "-s",
                      "640x480",     "-f",           "png",
                      "-Q",          "95",           "--fit",
                      "--metadata",  "none",         "--copyright-notice",
                      "--if-exists", "number",       "-j",
                      "3",           "a.jpg" }
      << none << "Anna\nBerg" << Position::BottomRight << QSize(640, 480) << "png"
      << "none 95 fit number 1 3";
    QTest::newRow("compact short options")
      << QStringList{ "-qj2", "-sthumbnails", "a.jpg" } << none << "© Name\nComments"
      << Position::Center << QSize(120, 120) << "Original"
      << "all-but-location 75 stretch replace 0 2";
    QTest::newRow("custom size") << QStringList{ "-s", "16384x1", "a.jpg" } << none
                                 << "© Name\nComments" << Position::Center << QSize(16384, 1)
                                 << "Original"
                                 << "all-but-location 75 stretch replace 0 0";
    QTest::newRow("automatic position: the saved one breaks ties")
      << QStringList{ "-p", "auto", "a.jpg" } << none << "© Name\nComments" << Position::Center
      << QSize() << "Original"
      << "all-but-location 75 stretch replace 0 0";
    QTest::newRow("a long edge") << QStringList{ "-s", "1080", "a.jpg" } << none
                                 << "© Name\nComments" << Position::Center << QSize(1080, 1080)
                                 << "Original"
                                 << "all-but-location 75 stretch replace 0 0";
    const auto bad = [&](const char *name, const QStringList &args, const char *error) {
        QTest::newRow(name) << args << error << none << 0 << QSize() << none << none;
    };
    bad("unknown option", { "--tint", "a.jpg" }, "Unknown option 'tint'.");
    bad("no picture", {}, "no picture given");
    bad("bad position", { "-p", "middle", "a.jpg" }, "invalid value 'middle' for --position");
    bad("size zero", { "-s", "0x480", "a.jpg" }, "invalid size '0x480'");
    bad("size too large", { "-s", "16385x10", "a.jpg" }, "invalid size '16385x10'");
    bad("size garbage", { "-s", "12x12x12", "a.jpg" }, "invalid size");
    bad("format", { "-f", "gif", "a.jpg" }, "invalid format 'gif'");
    bad("quality 0", { "-Q", "0", "a.jpg" }, "invalid value '0' for --quality (1 to 100)");
    bad("quality 101", { "--quality", "101", "a.jpg" }, "invalid value '101' for --quality");
    bad("jobs zero", { "-j", "0", "a.jpg" }, "invalid number of jobs '0'");
    bad("metadata", { "--metadata", "some", "a.jpg" }, "invalid value 'some' for --metadata");
    bad("if exists", { "--if-exists", "ask", "a.jpg" }, "invalid value 'ask' for --if-exists");
    bad("fit and stretch", { "--fit", "--stretch", "a.jpg" }, "--fit and --stretch cannot");
    bad("missing settings",
        { "--settings", "/nonexistent.xml", "a.jpg" },
        "cannot read settings file '/nonexistent.xml'");
    bad("missing list", { "--files-from", "/nonexistent" }, "cannot read the list of pictures");
    bad("null without list", { "-0", "a.jpg" }, "--null needs --files-from");
    bad("missing value", { "a.jpg", "-o" }, "Missing value after '-o'.");
    bad("margin 21", { "--margin", "21", "a.jpg" }, "invalid value '21' for --margin (0 to 20)");
    bad("angle 91", { "--angle", "91", "a.jpg" }, "invalid value '91' for --angle (-90 to 90)");
    bad("logo position", { "--logo-position", "up", "a.jpg" }, "invalid value 'up' for --logo");
    const QString watched = QDir::tempPath() + "/watched";
    bad("watch: output is the folder",
        { "--watch", watched, "-o", watched + "/" },
        "the output folder is the watched folder");
    bad("watch: output inside, recursive",
        { "--watch", watched, "--recursive", "-o", watched + "/out" },
        "the output folder is inside the folder watched with --recursive");
    bad("watch: a file too",
        { "--watch", watched, "-o", "/tmp/o", "a.jpg" },
        "--watch takes no FILE");
    bad("watch: numbered",
        { "--watch", watched, "-o", "/tmp/o", "--if-exists", "number" },
        "--watch cannot number outputs");
    bad("watch: counter",
        { "--watch", watched, "-o", "/tmp/o", "--name", "{name}-{counter:3}" },
        "--watch cannot name outputs by {counter}");
    bad("poll without watch", { "--poll", "2", "a.jpg" }, "--poll and --recursive need --watch");
    bad("poll 0",
        { "--watch", watched, "-o", "/tmp/o", "--poll", "0" },
        "invalid value '0' for --poll");
    bad("unreadable logo", { "--logo", "/nonexistent.svg", "a.jpg" }, "cannot read the logo");
    bad("tile twice", { "--tile", "--no-tile", "a.jpg" }, "--tile and --no-tile cannot");
    bad("missing preset", { "--preset", "nosuch", "a.jpg" }, "cannot read the preset 'nosuch'");
    bad("preset and settings",
        { "--preset", "/x.conf", "--settings", "/y.xml", "a.jpg" },
        "--preset and --settings cannot");
    bad("preset named with a dot", { "--save-preset", ".web" }, "A preset's name cannot start");
}

void TestCli::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QSize, size);
    QFETCH(QString, format);
    QFETCH(QString, options);
    QBuffer input;
    const ParsedCommand parsed = parseBatchCommand(
      QStringList("quorlane-batch") + arguments, &input, WatermarkSettings::instance());
    const BatchCommand &command = parsed.command;
    const RunRequest &run = command.request;
    // The planner's refusals (an unreadable logo) come before any picture, like bad usage.
    const QString refused =
      parsed.error.isEmpty() && !error.isEmpty() ? planRun(run).message(run) : parsed.error;
    QVERIFY2(refused.startsWith(error), qPrintable(refused));
    if (!error.isEmpty())
        return;
    QCOMPARE(run.text.filled(FieldValues()), text);
    QCOMPARE(run.position, position);
    QCOMPARE(run.outputSize.box, size);
    QCOMPARE(run.format, format);
    QCOMPARE(run.sources, QStringList("a.jpg"));
    QCOMPARE(run.outputDir, WatermarkSettings::instance().outputDirPath);
    const OutputPolicy &p = run.policy;
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
               .arg(metadataChoiceNames.at(size_t(p.metadata)))
               .arg(p.jpegQuality)
               .arg(resizeModeNames.at(size_t(p.resize)))
               .arg(existingFilesNames.at(size_t(p.existingFiles)))
               .arg(int(p.copyrightFromText))
               .arg(command.jobs),
             options);
    QVERIFY(run.style.useDefaults);
    QVERIFY(run.style.effects.isPlain());
    QCOMPARE(run.style.effects.autoPosition, arguments.contains("auto"));
    QCOMPARE(run.outputSize.isLongEdge, arguments.contains("1080"));
}

void TestCli::sameBytesAsTheWindow()
{
    // Effects, a logo, "Keep both" and a custom size, saved as the Options dialog saves them;
    // the window saves its settings when it closes, and the command line reads both.
    const QString in = m_env->path() + "/same";
    QImage logo = solidImage(60, 30, QColor(0, 120, 255, 160), QImage::Format_ARGB32);
    RunOptions options;
    options.output.existingFiles = ExistingFiles::Number;
    options.watermark.outline = true;
    options.watermark.angle = 30;
    options.watermark.margin = 5;
    options.watermark.logoPath = writeImage(in, "logo.png", logo);
    QVERIFY(ConfigFile::save(options));
    WatermarkSettings::instance().customWidth = 500;
    WatermarkSettings::instance().customHeight = 300;

    QImage picture = solidImage(900, 600, QColor(200, 180, 90));
    QPainter(&picture).fillRect(0, 0, 300, 600, QColor(20, 30, 60));
    const QStringList sources = { writeImage(in, "p.png", picture),
                                  writeImage(in + "/b", "p.png", picture.mirrored()) };
    const QString windowOut = WatermarkSettings::instance().outputDirPath;
    const QString cliOut = m_env->path() + "/cli";
    for (const QString &out : { windowOut, cliOut })
        writeImage(out, "p.jpg", solidImage(10, 10, Qt::red)); // kept: both are numbered
    RunSnapshot windowRun;
    {
        FakeUiServices fake;
        Dialog dialog;
        fake.filesToOpen = sources;
        child<QPushButton>(&dialog, "AddFileBtn")->click();
        auto *text = child<QPlainTextEdit>(&dialog, "markTextBox");
        text->setPlainText("Anna Berg\n2024");
        child<QRadioButton>(&dialog, "radioButton_2")->click();        // bottom left
        child<QComboBox>(&dialog, "comboFormats")->setCurrentIndex(1); // jpg
        {
            const QSignalBlocker noCustomDialog(child(&dialog, "comboBox"));
            child<QComboBox>(&dialog, "comboBox")->setCurrentIndex(customSizeIndex);
        }
        QSignalSpy finished(&dialog, &Dialog::runFinished);
        child<QPushButton>(&dialog, "Run")->click();
        QVERIFY(finished.wait(60000));
        windowRun = dialog.lastRun();
        dialog.close();
    }
    const QStringList arguments = { "-o",  cliOut, "-s",          "500x300",    "-f",
                                    "jpg", "-q",   sources.at(0), sources.at(1) };
    QBuffer input;
    const ParsedCommand parsed = parseBatchCommand(
      QStringList("quorlane-batch") + arguments, &input, WatermarkSettings::instance());
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    const RunPlan plan = planRun(parsed.command.request);
    QVERIFY(plan.ok());
    QCOMPARE(describe(plan.run), describe(windowRun));

    QByteArray errors;
    QCOMPARE(runBatch(arguments, &errors), 0);
    QVERIFY2(errors.isEmpty(), errors.constData());
    for (const QString name : { "p (2).jpg", "p (3).jpg" }) {
        const QByteArray window = fileBytes(windowOut + "/" + name);
        QVERIFY(!window.isEmpty());
        QCOMPARE(fileBytes(cliOut + "/" + name), window);
    }
}

void TestCli::automaticPositionIsTheWindowsRun()
{
    // The window takes the choice from its options; the command line from -p auto, with the
    // position the window saved as the tie-breaker.
    RunOptions options;
    options.watermark.autoPosition = true;
    QVERIFY(ConfigFile::save(options));
    const QString source =
      writeImage(m_env->path() + "/auto", "p.png", solidImage(300, 200, Qt::gray));
    RunSnapshot windowRun;
    {
        FakeUiServices fake;
        Dialog dialog;
        fake.filesToOpen = { source };
        child<QPushButton>(&dialog, "AddFileBtn")->click();
        child<QRadioButton>(&dialog, "radioButton_2")->click(); // bottom left
        QSignalSpy finished(&dialog, &Dialog::runFinished);
        child<QPushButton>(&dialog, "Run")->click();
        QVERIFY(finished.wait(60000));
        windowRun = dialog.lastRun();
        dialog.close();
    }
    QVERIFY(ConfigFile::save(RunOptions()));
    QBuffer input;
    const ParsedCommand parsed = parseBatchCommand(
      { "quorlane-batch", "-p", "auto", source }, &input, WatermarkSettings::instance());
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    const RunPlan plan = planRun(parsed.command.request);
    QCOMPARE(plan.run.position, int(Position::BottomLeft));
    QCOMPARE(describe(plan.run), describe(windowRun));
}

void TestCli::longEdges_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("row"); // the window's size row, or -1: -s edge on the command line
    QTest::addColumn<int>("edge");
    QTest::addColumn<QSize>("written");
    const QString in = m_env->path() + "/edges";
    const QString landscape = writeImage(in, "landscape.png", solidImage(2400, 1600, Qt::gray));
    const QString portrait = writeImage(in, "portrait.png", solidImage(1600, 2400, Qt::gray));
    const QString small = writeImage(in, "small.png", solidImage(311, 450, Qt::gray));
    // Stored as a landscape, shown as a portrait.
    const QString turned = writeImage(in, "turned.jpg", solidImage(2400, 1600, Qt::gray));
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(turned).toStdString());
    image->readMetadata();
    image->exifData()["Exif.Image.Orientation"] = uint16_t(6);
    image->writeMetadata();
    QTest::newRow("landscape, row 2048") << landscape << 6 << 2048 << QSize(2048, 1365);
    QTest::newRow("portrait, row 1080") << portrait << 8 << 1080 << QSize(720, 1080);
    QTest::newRow("smaller than the edge: never enlarged") << small << 7 << 1600 << QSize(311, 450);
    QTest::newRow("EXIF-turned, row 1080") << turned << 8 << 1080 << QSize(720, 1080);
    QTest::newRow("-s 500, landscape") << landscape << -1 << 500 << QSize(500, 333);
    QTest::newRow("-s 1, portrait") << portrait << -1 << 1 << QSize(1, 1);
}

void TestCli::longEdges()
{
    QFETCH(QString, source);
    QFETCH(int, row);
    QFETCH(int, edge);
    QFETCH(QSize, written);
    // Stretching is the policy; a long edge keeps the proportions all the same.
    RunOptions options;
    options.output.resize = ResizeMode::Stretch;
    QVERIFY(ConfigFile::save(options));
    const QString cliOut = m_env->path() + "/edges-cli-" + QTest::currentDataTag();
    QCOMPARE(runBatch({ "-o", cliOut, "-s", QString::number(edge), "-f", "png", "-q", source }), 0);
    const QString name = QFileInfo(source).completeBaseName() + ".png";
    QCOMPARE(QImageReader(cliOut + "/" + name).size(), written);
    if (row < 0)
        return;
    FakeUiServices fake;
    const QString windowOut = m_env->path() + "/edges-window-" + QTest::currentDataTag();
    WatermarkSettings::instance().outputDirPath = windowOut;
    Dialog dialog;
    fake.filesToOpen = { source };
    child<QPushButton>(&dialog, "AddFileBtn")->click();
    child<QComboBox>(&dialog, "comboBox")->setCurrentIndex(row);
    child<QComboBox>(&dialog, "comboFormats")->setCurrentIndex(2); // png
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(finished.wait(60000));
    QCOMPARE(fileBytes(windowOut + "/" + name), fileBytes(cliOut + "/" + name));
    dialog.close();
}

void TestCli::presetsAreSavedListedAndUsed()
{
    // Saving stores this command's settings and exits; a later run starts from them.
    QCOMPARE(runBatch({ "-s", "2048x2048", "--fit", "-f", "webp", "--save-preset", "web 2" }), 0);
    QProcess list;
    list.start(QStringLiteral(QUORLANE_BATCH), { "--list-presets" });
    QVERIFY(list.waitForFinished());
    QVERIFY(list.readAllStandardOutput().split('\n').contains("web 2"));
    QBuffer input;
    const ParsedCommand parsed =
      parseBatchCommand({ "quorlane-batch", "--preset", "web 2", "-f", "png", "a.jpg" },
                        &input,
                        WatermarkSettings::instance());
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.command.request.outputSize, QSize(2048, 2048));
    QCOMPARE(parsed.command.request.policy.resize, ResizeMode::Fit);
    QCOMPARE(parsed.command.request.format, "png");
    QCOMPARE(parsed.command.request.presetName, "web 2");
    QByteArray errors;
    QCOMPARE(runBatch({ "--preset", "nosuch", "a.jpg" }, &errors), 2);
    QVERIFY(errors.contains("quorlane/presets"));
}

void TestCli::fieldsGiveTheBytesOfTheTypedText()
{
    QTemporaryDir dir;
    const QString source = writeImage(dir.path(), "IMG_0042.jpg", solidImage(640, 480, Qt::gray));
    auto file = Exiv2::ImageFactory::open(source.toStdString());
    file->exifData()["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:20:30";
    file->writeMetadata();
    QVERIFY(
      runBatch({ "-q", "-o", dir.filePath("fields"), "-t", "{filename} {date}{{}}", source }) == 0);
    QVERIFY(
      runBatch({ "-q", "-o", dir.filePath("typed"), "-t", "IMG_0042.jpg 2019-07-14{}", source }) ==
      0);
    const QByteArray fields = fileBytes(dir.filePath("fields/IMG_0042.jpg"));
    QVERIFY(!fields.isEmpty());
    QCOMPARE(fields, fileBytes(dir.filePath("typed/IMG_0042.jpg")));
}

void TestCli::interruptFinishesThePicturesInFlight_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("signalsSent");
    QTest::newRow("SIGINT") << int(SIGINT) << 1;
    QTest::newRow("SIGHUP") << int(SIGHUP) << 1;
    QTest::newRow("SIGTERM twice") << int(SIGTERM) << 2;
}

void TestCli::interruptFinishesThePicturesInFlight()
{
    QFETCH(int, signalNumber);
    QFETCH(int, signalsSent);
    QTemporaryDir dir;
    const QString list = dir.filePath("list");
    QFile names(list);
    QVERIFY(names.open(QIODevice::WriteOnly));
    const QString source = writeImage(dir.path(), "big.png", solidImage(3000, 2000, Qt::gray));
    for (int i = 0; i < 40; ++i)
        names.write(QFile::encodeName(source) + '\n');
    names.close();

    const QString out = dir.filePath("out");
    QProcess process;
    process.start(QStringLiteral(QUORLANE_BATCH),
                  { "-j",
                    "2",
                    "-f",
                    "png",
                    "-o",
                    out,
                    "--files-from",
                    list,
                    "--report",
                    dir.filePath("report.json") });
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QDir(out).entryList(QDir::Files).size() >= 2, 60000);
    for (int i = 0; i < signalsSent; ++i)
        ::kill(pid_t(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + signalNumber);
    const QByteArray errors = process.readAllStandardError();
    // Asked twice, it ends at once (two signals sent together may also arrive as one).
    if (signalsSent == 1)
        QVERIFY2(errors.contains("quorlane-batch: The run was stopped: "), errors.constData());

    // Every file there is a whole picture, and the report says which were not started.
    const QList<QJsonObject> report = reportLines(dir.filePath("report.json"));
    QVERIFY(signalsSent == 2 || report.size() == 40);
    int written = 0;
    for (const QJsonObject &line : report) {
        const QString status = line.value("status").toString();
        QVERIFY2(status == "written" || status == "not-started", qPrintable(status));
        written += status == "written";
    }
    QVERIFY(written < 40);
    const QStringList files = allFiles(out);
    QVERIFY(files.size() >= written); // a picture published just before the end has no line
    QVERIFY(signalsSent == 2 || files.size() == written);
    for (const QString &file : files)
        QCOMPARE(QImageReader(out + "/" + file).read().size(), QSize(3000, 2000));
}

void TestCli::parallelProcessesNeverLoseAPicture()
{
    if (QStandardPaths::findExecutable("parallel").isEmpty())
        QSKIP("GNU parallel is not installed");
    QTemporaryDir dir;
    QStringList arguments = { "--will-cite",
                              "-j4",
                              "-N3",
                              QStringLiteral(QUORLANE_BATCH),
                              "--if-exists",
                              "number",
                              "-q",
                              "-f",
                              "jpg",
                              "-o",
                              dir.filePath("out"),
                              "--report",
                              dir.filePath("report-{#}.json"),
                              "{}",
                              ":::" };
    // Twelve sources, four of each name: every process writes names the others write too.
    for (int i = 0; i < 12; ++i) {
        arguments << writeImage(dir.filePath(QString::number(i)),
                                QString("p%1.png").arg(i % 3),
                                solidImage(800 + i, 600, QColor(i * 20, 100, 50)));
    }
    QProcess parallel;
#ifdef SLOWLINK
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", SLOWLINK);
    parallel.setProcessEnvironment(environment);
#endif
    parallel.start("parallel", arguments);
    QVERIFY(parallel.waitForFinished(120000));
    QCOMPARE(parallel.exitCode(), 0);

    QSet<QString> outputs;
    int lines = 0;
    for (const QString &report : QDir(dir.path()).entryList({ "report-*.json" })) {
        for (const QJsonObject &line : reportLines(dir.filePath(report))) {
            ++lines;
            QCOMPARE(line.value("status").toString(), QString("written"));
            const QString output = line.value("output").toString();
            const int width =
              800 + QFileInfo(line.value("source").toString()).dir().dirName().toInt();
            QCOMPARE(QImageReader(output).read().size(), QSize(width, 600));
            outputs.insert(output);
        }
    }
    QCOMPARE(lines, 12);
    QCOMPARE(outputs.size(), 12);
    QCOMPARE(allFiles(dir.filePath("out")).size(), 12);
}

void TestCli::noSourceIsReplaced_data()
{
    QTest::addColumn<bool>("throughLink"); // the output folder named through a link to it
    QTest::newRow("the sources' folder") << false;
    QTest::newRow("the same folder by another path") << true;
}

void TestCli::noSourceIsReplaced()
{
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const QString in = dir.filePath("in");
    const QString png = writeImage(in, "a.png", solidImage(64, 48, Qt::red));
    const QString jpg = writeImage(in, "a.jpg", solidImage(64, 48, Qt::blue));
    const QByteArray photo = fileBytes(jpg);
    QVERIFY(QFile::link(in, dir.filePath("alias")));
    const QString out = throughLink ? dir.filePath("alias") : in;
    QByteArray errors;
    QCOMPARE(runBatch({ "-t",
                        "hi",
                        "-f",
                        "jpg",
                        "-j1",
                        "--if-exists",
                        "replace",
                        "-o",
                        out,
                        "--report",
                        dir.filePath("r.json"),
                        png,
                        jpg },
                      &errors),
             1);
    QCOMPARE(fileBytes(jpg), photo);
    const QList<QJsonObject> lines = reportLines(dir.filePath("r.json"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).value("status").toString(), QString("not-written"));
    QCOMPARE(lines.at(0).value("reason").toString(),
             QString("it would replace a source picture of this run"));
    QCOMPARE(lines.at(1).value("output").toString(), out + "/a (2).jpg");
}

void TestCli::reportFile_data()
{
    QTest::addColumn<QString>("report"); // what the report's path names (see paths below)
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("a source") << "source" << 2 << "it is a picture of this run";
    QTest::newRow("an output") << "output" << 2 << "it is an output of this run";
    QTest::newRow("another picture") << "picture" << 2 << "it is a picture";
    for (const char *suffix : { "heic", "heif", "hif", "avif" })
        QTest::newRow(suffix) << suffix << 2 << "it is a picture";
    QTest::newRow("a text file") << "text" << 2 << "it is a file, but not a report";
    QTest::newRow("an earlier report, appended to") << "earlier" << 0 << "";
    QTest::newRow("a FIFO, never read") << "fifo" << 0 << "";
    QTest::newRow("standard output") << "stdout" << 0 << "";
    QTest::newRow("full disk") << "full" << 1 << "cannot write the report";
}

void TestCli::reportFile()
{
    QFETCH(QString, report);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QStringList sources;
    for (int i = 0; i < 10; ++i)
        sources << writeImage(
          dir.filePath("in"), QString("p%1.png").arg(i), solidImage(4, 4, Qt::red));
    const QString other = writeImage(dir.path(), "other.png", solidImage(4, 4, Qt::blue));
    const QString earlier = dir.filePath("earlier.json");
    writeFile(earlier, "{\"index\":1,\"source\":\"x.jpg\",\"status\":\"written\"}\n");
    writeFile(dir.filePath("notes.txt"), "shopping list\n");
    QMap<QString, QString> paths = {
        { "source", sources.at(3) }, { "output", dir.filePath("out/p0.ppm") },
        { "picture", other },        { "text", dir.filePath("notes.txt") },
        { "earlier", earlier },      { "fifo", dir.filePath("fifo") },
        { "stdout", "/dev/stdout" }, { "full", dir.filePath("report.json") }
    };
    const QImage phone = solidImage(16, 16, Qt::green);
    for (const char *suffix : { "heic", "heif", "hif", "avif" }) {
        const QByteArray format = qstrcmp(suffix, "avif") == 0 ? "avif" : "heic";
        paths.insert(suffix, dir.filePath(QString("IMG_0001.") + suffix));
        writeFile(paths.value(suffix), HeifCodec::encode(phone, format, 50, {}).bytes);
    }
    QProcess reader; // the FIFO's reader, which sees only what the run writes
    if (report == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(paths.value("fifo")).constData(), 0600), 0);
        reader.start("cat", { paths.value("fifo") });
        QVERIFY(reader.waitForStarted());
    }
    const QByteArray before = status == 2 ? fileBytes(paths.value(report)) : QByteArray();
    QProcess process;
    if (report == "full") {
        // The file size limit acts as a full disk: the tiny pictures fit, the report does not.
        process.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{ 600, 600 };
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(
      QStringLiteral(QUORLANE_BATCH),
      QStringList{ "-f", "ppm", "-o", dir.filePath("out"), "--report", paths.value(report) } +
        sources);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray errors = process.readAllStandardError();
    QCOMPARE(process.exitCode(), status);
    QVERIFY2(errors.contains(message.toUtf8()), errors.constData());
    if (status == 2) {
        QCOMPARE(fileBytes(paths.value(report)), before);
        QVERIFY(!QFileInfo::exists(dir.filePath("out/p0.ppm")));
    } else {
        QCOMPARE(allFiles(dir.filePath("out")).size(), 10);
    }
    if (report == "stdout")
        QCOMPARE(process.readAllStandardOutput().count("\"status\":\"written\""), 10);
    if (report == "fifo") {
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput().count("\"status\":\"written\""), 10);
    }
    if (report == "earlier") {
        // A second run adds its lines after the first run's.
        const QStringList again = { "-f", "ppm", "-o", dir.filePath("out2"), "--report", earlier };
        QCOMPARE(runBatch(again + sources.mid(0, 3)), 0);
        const QList<QJsonObject> lines = reportLines(earlier);
        QCOMPARE(lines.size(), 1 + 10 + 3);
        QCOMPARE(lines.first().value("source").toString(), QString("x.jpg"));
        QCOMPARE(lines.last().value("status").toString(), QString("written"));
    }
}

void TestCli::keptJpegsSayWhy()
{
    QTemporaryDir dir;
    const QString whole =
      writeImage(dir.filePath("in"), "whole.jpg", solidImage(320, 240, Qt::darkGreen));
    const QByteArray bytes = fileBytes(whole);
    const QString cut = writeFile(dir.filePath("in/cut.jpg"), bytes.left(bytes.size() * 2 / 3));
    const QString png = writeImage(dir.filePath("in"), "p.png", solidImage(32, 24, Qt::red));
    QCOMPARE(runBatch({ "-q",
                        "--keep-jpeg",
                        "-o",
                        dir.filePath("out"),
                        "--report",
                        dir.filePath("r.json"),
                        whole,
                        cut,
                        png }),
             0);
    QMap<QString, QJsonObject> lines;
    for (const QJsonObject &line : reportLines(dir.filePath("r.json")))
        lines.insert(QFileInfo(line.value("source").toString()).fileName(), line);
    QCOMPARE(lines.value("whole.jpg").value("jpeg").toString(), QString("kept"));
    QVERIFY(lines.value("whole.jpg").value("jpegReason").isNull());
    QCOMPARE(lines.value("cut.jpg").value("status").toString(), QString("written-incomplete"));
    QCOMPARE(lines.value("cut.jpg").value("jpeg").toString(), QString("encoded"));
    QCOMPARE(lines.value("cut.jpg").value("jpegReason").toString(),
             QString("Premature end of JPEG file")); // libjpeg's words
    QVERIFY(!lines.value("p.png").contains("jpeg")); // no JPEG written
}

void TestCli::publishesOnAnNfsLikeFolder()
{
#ifndef SLOWLINK
    QSKIP("the preloaded shim is not built under the sanitizers");
#else
    QTemporaryDir dir;
    const QString a = writeImage(dir.filePath("in"), "a.png", solidImage(40, 30, Qt::red));
    const QString b = writeImage(dir.filePath("in"), "b.png", solidImage(40, 30, Qt::blue));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", SLOWLINK);
    environment.insert("QUORLANE_FAKE_NFS", "1");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORLANE_BATCH),
                  { "-q", "--if-exists", "number", "-o", dir.filePath("out"), a, b });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    // Each picture once, under its own name: an EEXIST for a link that was made is no taken name.
    QCOMPARE(allFiles(dir.filePath("out")), QStringList({ "a.png", "b.png" }));
    QCOMPARE(QImage(dir.filePath("out/b.png")).pixelColor(0, 29).blue(), 255);
#endif
}

void TestCli::webpSizesAreRefusedBeforeDecoding()
{
    QTemporaryDir dir;
    const QString wide = writeImage(dir.path(), "wide.png", solidImage(16384, 8, Qt::blue));
    const QString fine = writeImage(dir.path(), "fine.png", solidImage(64, 8, Qt::blue));
    QByteArray errors;
    // A size no WebP can have: bad usage, nothing made.
    QCOMPARE(runBatch({ "-f", "webp", "-s", "16384x100", "-o", dir.filePath("a"), fine }, &errors),
             2);
    QVERIFY2(errors.contains("a WebP picture holds at most 16383 pixels a side"),
             errors.constData());
    QVERIFY(!QFileInfo::exists(dir.filePath("a")));
    // A picture too wide at its own size: not written, the others are.
    QCOMPARE(
      runBatch(
        { "-f", "webp", "-o", dir.filePath("b"), "--report", dir.filePath("r.json"), wide, fine }),
      1);
    const QList<QJsonObject> lines = reportLines(dir.filePath("r.json"));
    QCOMPARE(lines.size(), 2);
    for (const QJsonObject &line : lines) {
        const bool isWide = line.value("source").toString() == wide;
        QCOMPARE(line.value("status").toString(), QString(isWide ? "not-written" : "written"));
        if (isWide)
            QCOMPARE(line.value("reason").toString(),
                     QString("a WebP picture holds at most 16383 pixels a side"));
    }
}

void TestCli::hostileInputs_data()
{
    QTest::addColumn<QByteArray>("name"); // the file's name, as bytes
    QTest::addColumn<QString>("kind");    // what is made under that name
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("reason"); // the start of the report's reason
    QTest::newRow("truncated JPEG") << QByteArray("t.jpg") << "truncated"
                                    << "written-incomplete"
                                    << "Corrupt JPEG data: premature end";
    QTest::newRow("corrupt scan data")
      << QByteArray("c.jpg") << "junk-before-end"
      << "written-incomplete"
      << "Corrupt JPEG data: 25 extraneous bytes before marker 0xd9";
    QTest::newRow("junk between header segments") << QByteArray("h.jpg") << "junk-in-header"
                                                  << "written"
                                                  << "";
    QTest::newRow("FIFO") << QByteArray("f.jpg") << "fifo"
                          << "unreadable"
                          << "it is a FIFO, not a regular file";
    QTest::newRow("folder") << QByteArray("d.jpg") << "folder"
                            << "unreadable"
                            << "it is a folder";
    QTest::newRow("link loop") << QByteArray("l.jpg") << "loop"
                               << "unreadable"
                               << "Too many levels of symbolic links";
    QTest::newRow("name not UTF-8") << QByteArray("caf\xe9.jpg") << "picture"
                                    << "unreadable"
                                    << "the file name is not valid UTF-8 in this locale";
    QTest::newRow("escape codes in the name") << QByteArray("\x1b[2J\nx.jpg") << "empty"
                                              << "unreadable"
                                              << "Unsupported image format";
}

void TestCli::hostileInputs()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, kind);
    QFETCH(QString, status);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    const QByteArray photo =
      fileBytes(writeImage(dir.path(), "p.jpg", solidImage(300, 200, Qt::gray)));
    if (kind.startsWith("junk")) {
        // Bytes that are no marker: before the end of the picture (what is left of a damaged
        // scan) or before the start of frame (harmless).
        QByteArray bytes = photo;
        const QByteArray junk(kind == "junk-in-header" ? 5 : 30, '\x55');
        bytes.insert(kind == "junk-in-header" ? bytes.indexOf("\xff\xc0") : bytes.size() - 2, junk);
        writeFile(QFile::decodeName(path), bytes);
    } else if (kind == "truncated" || kind == "picture" || kind == "empty") {
        const QByteArray bytes = kind == "picture" ? photo : photo.left(kind == "empty" ? 0 : 1000);
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
        ::close(fd);
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(path.constData(), 0644) == 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(QFile::decodeName(path)));
    } else {
        QVERIFY(::symlink(path.constData(), path.constData()) == 0);
    }
    // The name goes through a list, byte for byte.
    QFile list(dir.filePath("list"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(path + '\0');
    list.close();
    QByteArray errors;
    const int exitCode = runBatch({ "-0",
                                    "--files-from",
                                    list.fileName(),
                                    "-o",
                                    dir.filePath("out"),
                                    "--report",
                                    dir.filePath("r.json") },
                                  &errors);
    QCOMPARE(exitCode, status == "unreadable" ? 1 : 0);
    const QList<QJsonObject> lines = reportLines(dir.filePath("r.json"));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).value("status").toString(), status);
    const QString said = lines.at(0).value("reason").toString();
    QVERIFY2(reason.isEmpty() ? said.isEmpty() : said.startsWith(reason), qPrintable(said));
    QVERIFY2(!errors.contains('\x1b'), errors.constData()); // names never reach a terminal raw
    if (status != "written") // a clean picture leaves the terminal silent
        QVERIFY(errors.endsWith("s\n") && errors.count('\n') >= 2);
}

void TestCli::settingsFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << 2 << "the file is empty";
    QTest::newRow("not XML") << QByteArray("WatermarkText=Anna") << 2 << "not a settings file";
    QTest::newRow("no settings element") << QByteArray("<other/>") << 2 << "no settings element";
    QTest::newRow("fully transparent")
      << QByteArray("<settings WatermarkText=\"Anna\" trans=\"0\" usedefault=\"false\"/>") << 0
      << "The watermark is fully transparent";
}

void TestCli::settingsFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile settings(dir.filePath("s.xml"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(content);
    settings.close();
    const QString picture = writeImage(dir.path(), "p.png", solidImage(64, 48, Qt::gray));
    QByteArray errors;
    // Without the logo the saved options may name: the text alone is the mark.
    QCOMPARE(runBatch({ "-q",
                        "--logo",
                        "",
                        "--settings",
                        settings.fileName(),
                        "-o",
                        dir.filePath("out"),
                        picture },
                      &errors),
             exitCode);
    QVERIFY2(errors.contains(message.toUtf8()), errors.constData());
    QCOMPARE(errors.count(message.toUtf8()), 1);
}

void TestCli::leavesHomeAloneAndSurvivesAClosedPipe()
{
    QTemporaryDir dir;
    QDir().mkdir(dir.filePath("home"));
    const QString picture = writeImage(dir.path(), "p.png", solidImage(64, 48, Qt::gray));
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        environment.remove(name);
    environment.insert("HOME", dir.filePath("home"));
    shell.setProcessEnvironment(environment);
    // Standard error into a pipe nobody reads: the summary line meets a closed pipe.
    shell.start("bash",
                { "-c",
                  QString("set -o pipefail; '%1' -o '%2' '%3' 2>&1 >/dev/null | true")
                    .arg(QUORLANE_BATCH, dir.filePath("out"), picture) });
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 0);
    QVERIFY(QFileInfo::exists(dir.filePath("out/p.png")));
    QCOMPARE(
      QDir(dir.filePath("home")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
      QStringList());
}

void TestCli::hotFolder_data()
{
    QTest::addColumn<QStringList>("mode");
    QTest::newRow("inotify") << QStringList();
    QTest::newRow("polling") << QStringList{ "--poll", "1" };
}

void TestCli::hotFolder()
{
    QFETCH(QStringList, mode);
    const QString root = m_env->path() + "/hot-" + QTest::currentDataTag();
    const QString in = root + "/in";
    const QString out = root + "/out";
    const QString report = root + "/report.json";
    QVERIFY(QDir().mkpath(in + "/sub") && QDir().mkpath(root + "/elsewhere"));
    const auto photo = [](int seed) {
        QImage picture(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 320; ++x)
                picture.setPixel(x, y, qRgb((x * seed) % 256, (y * 3 + seed) % 256, 90));
        }
        return encodeJpeg(picture);
    };
    // Made before the watch starts: stamped at its start.
    writeFile(in + "/before.jpg", photo(1));
    writeFile(in + "/sub/deep.jpg", photo(2));
    const QStringList options = QStringList{ "-t", "Hot", "-p", "bottom-right" };
    const QStringList watch =
      options + mode + QStringList{ "--watch", in, "--recursive", "-o", out, "--report", report };
    QProcess watcher;
    watcher.start(QStringLiteral(QUORLANE_BATCH), watch);
    QVERIFY(watcher.waitForStarted());
    const auto written = [&](const QString &name) {
        int count = 0;
        for (const QJsonObject &line : reportLines(report)) {
            count += line.value("source").toString() == in + "/" + name &&
                     line.value("status").toString() == "written";
        }
        return count;
    };
    QTRY_COMPARE_WITH_TIMEOUT(written("before.jpg"), 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(written("sub/deep.jpg"), 1, 20000);
    QVERIFY(QFile::exists(out + "/sub/deep.jpg"));

    // Three pictures written in two halves through one descriptor; between the halves a whole
    // picture comes and goes out, so the half-written one's events have been handled by then.
    for (int i = 1; i <= 3; ++i) {
        const QString name = QStringLiteral("half-%1.jpg").arg(i);
        const QByteArray bytes = photo(10 + i);
        QFile half(in + "/" + name);
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(bytes.left(bytes.size() / 2));
        QVERIFY(half.flush());
        const QString sentinel = QStringLiteral("whole-%1.jpg").arg(i);
        writeFile(in + "/" + sentinel, photo(20 + i));
        QTRY_COMPARE_WITH_TIMEOUT(written(sentinel), 1, 20000);
        QVERIFY2(!QFile::exists(out + "/" + name), qPrintable(name));
        half.write(bytes.mid(bytes.size() / 2));
        half.close();
        QTRY_COMPARE_WITH_TIMEOUT(written(name), 1, 20000);
    }
    // Moved in from the same file system, into a folder made while watching.
    writeFile(root + "/elsewhere/moved.jpg", photo(30));
    QVERIFY(QDir().mkpath(in + "/new"));
    QVERIFY(QFile::rename(root + "/elsewhere/moved.jpg", in + "/new/moved.jpg"));
    QTRY_COMPARE_WITH_TIMEOUT(written("new/moved.jpg"), 1, 20000);
    writeFile(in + "/broken.jpg", "not a picture");
    const auto unreadable = [&] {
        int count = 0;
        for (const QJsonObject &line : reportLines(report))
            count += line.value("source").toString() == in + "/broken.jpg";
        return count;
    };
    QTRY_COMPARE_WITH_TIMEOUT(unreadable(), 1, 20000);

    // SIGTERM ends it after the pictures in flight, and no temporary file stays.
    watcher.terminate();
    QVERIFY(watcher.waitForFinished(20000));
    QCOMPARE(watcher.exitCode(), 143);
    for (const QString &folder : { out, out + "/sub", out + "/new" }) {
        for (const QString &name : allFiles(folder))
            QVERIFY2(!name.startsWith('.') && !QImage(folder + "/" + name).isNull(),
                     qPrintable(name));
    }
    // The same bytes as a batch run of the same options.
    const QString batchOut = root + "/batch";
    QCOMPARE(runBatch(options + QStringList{ "-q", "-o", batchOut, in + "/half-2.jpg" }), 0);
    QCOMPARE(fileBytes(out + "/half-2.jpg"), fileBytes(batchOut + "/half-2.jpg"));

    // A restart stamps what came while it was stopped, and nothing twice.
    writeFile(in + "/late.jpg", photo(40));
    watcher.start(QStringLiteral(QUORLANE_BATCH), watch);
    QTRY_COMPARE_WITH_TIMEOUT(written("late.jpg"), 1, 20000);
    writeFile(in + "/last.jpg", photo(50)); // everything before it has been looked at by then
    QTRY_COMPARE_WITH_TIMEOUT(written("last.jpg"), 1, 20000);
    watcher.terminate();
    QVERIFY(watcher.waitForFinished(20000));
    QCOMPARE(watcher.exitCode(), 143);
    for (const QString name : { "before.jpg",
                                "sub/deep.jpg",
                                "half-1.jpg",
                                "whole-1.jpg",
                                "half-3.jpg",
                                "new/moved.jpg" })
        QCOMPARE(written(name), 1);
    QCOMPARE(unreadable(), 2); // once a start
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
