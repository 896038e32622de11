#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include <exiv2/exiv2.hpp>

#include "cli/batchcommand.h"
#include "engine/output/nametemplate.h"
#include "engine/output/outputnames.h"
#include "engine/run/runplanner.h"
#include "settings/constants.h"
#include "settings/preset.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"
#include "ui/outputoptions.h"

namespace {

// Answers "Save as Preset..." with a name.
class PresetAnswers : public FakeUiServices
{
public:
    QString presetName;
    int execDialog(QDialog &dialog) override
    {
        child<QLineEdit>(&dialog, "presetName")->setText(presetName);
        child<QDialogButtonBox>(&dialog, "buttons")->button(QDialogButtonBox::Save)->click();
        return dialog.result();
    }
};

QAbstractButton *yes(QMessageBox &box)
{
    return box.button(QMessageBox::Yes);
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestPresets : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void longNamesStayWithinAFileName();
    void optionsRefuseATemplateThatCannotName();
    void plannerNamesFromMetadata();
    void presetFiles_data();
    void presetFiles();
    void presetNamesStayInTheFolder_data();
    void presetNamesStayInTheFolder();
    void windowChoosesSavesAndDeletes();
    void windowShowsEachPresetsSize();
    void commandLineAndWindowGiveTheSameBytes();
};

void TestPresets::names_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("expected"); // for IMG_1.jpg and IMG_2.JPG
    QTest::newRow("default: names as today")
      << "{name}"
      << ""
      << "Original" << QStringList{ "IMG_1.jpg", "IMG_2.JPG" };
    QTest::newRow("format's suffix added")
      << "{name}-web"
      << ""
      << "webp" << QStringList{ "IMG_1-web.webp", "IMG_2-web.webp" };
    QTest::newRow("original keeps each suffix")
      << "{name}-proof"
      << ""
      << "Original" << QStringList{ "IMG_1-proof.jpg", "IMG_2-proof.JPG" };
    QTest::newRow("counters") << "{counter:3} {counter}"
                              << ""
                              << "jpg" << QStringList{ "001 1.jpg", "002 2.jpg" };
    QTest::newRow("same name numbered in list order")
      << "{year}-{preset}"
      << ""
      << "jpg" << QStringList{ "2024-web.jpg", "2024-web (2).jpg" };
    QTest::newRow("separators and control characters")
      << "{artist}"
      << "a/b\nc"
      << "png" << QStringList{ "a_b_c.png", "a_b_c (2).png" };
    QTest::newRow("leading dot") << "{artist}"
                                 << "..x"
                                 << "jpg" << QStringList{ "_..x.jpg", "_..x (2).jpg" };
    QTest::newRow("leading dash") << "-{name}"
                                  << ""
                                  << "jpg" << QStringList{ "_-IMG_1.jpg", "_-IMG_2.jpg" };
    QTest::newRow("empty result falls back") << "{camera}"
                                             << ""
                                             << "jpg" << QStringList{ "IMG_1.jpg", "IMG_2.jpg" };
    QTest::newRow("exposure fields lose their slashes")
      << "{name} {aperture} {shutter}"
      << ""
      << "jpg" << QStringList{ "IMG_1 f_2.8 1_250 s.jpg", "IMG_2 f_2.8 1_250 s.jpg" };
    QTest::newRow("unknown words and text fields")
      << "{foo}{filename}"
      << ""
      << "jpg" << QStringList{ "{foo}IMG_1.jpg.jpg", "{foo}IMG_2.JPG.jpg" };
}

void TestPresets::names()
{
    QFETCH(QString, pattern);
    QFETCH(QString, artist);
    QFETCH(QString, format);
    QFETCH(QStringList, expected);
    const QStringList sources = { "/src/IMG_1.jpg", "/src/IMG_2.JPG" };
    const NameTemplate name(pattern);
    QStringList bases;
    for (int i = 0; i < sources.size(); ++i) {
        NameValues values;
        values.fields.fileName = QFileInfo(sources.at(i)).fileName();
        values.fields.date = "2024-06-01";
        values.fields.artist = artist;
        values.fields.fNumber = 2.8;
        values.fields.exposureTime = 1.0 / 250;
        values.counter = i + 1;
        values.preset = "web";
        bases << name.baseName(values);
    }
    const QStringList paths =
      assignOutputPaths(sources, "/out", format, ExistingFiles::Replace, bases).paths;
    QStringList got;
    for (const QString &path : paths)
        got << QFileInfo(path).fileName();
    QCOMPARE(got, expected);
}

void TestPresets::longNamesStayWithinAFileName()
{
    const QString base = QString(200, QChar(0xe9)) + QString::fromUtf8("\xf0\x9f\x93\xb7"); // é, 📷
    for (const QString &name :
         { fileNameWithin(base, QString(), "webp"), numberedFileName(base + ".jpeg", 12) }) {
        const QByteArray bytes = name.toUtf8();
        QVERIFY2(bytes.size() <= 255 && bytes.size() > 240, bytes.constData());
        QCOMPARE(QString::fromUtf8(bytes), name); // cut between characters
        QVERIFY(name.startsWith(QChar(0xe9)));
    }
    QVERIFY(numberedFileName(base + ".jpeg", 12).endsWith(" (12).jpeg"));
}

void TestPresets::optionsRefuseATemplateThatCannotName()
{
    TestEnvironment env;
    FakeUiServices fake;
    OutputOptions options{ OutputPolicy(), WatermarkEffects(), PreviewRequest() };
    auto *name = child<QLineEdit>(&options, "nameTemplate");
    auto *ok = child<QDialogButtonBox>(&options, "buttonBox")->button(QDialogButtonBox::Ok);
    name->setText("{counter:10}");
    ok->click();
    QCOMPARE(options.result(), int(QDialog::Rejected)); // still open
    QCOMPARE(fake.messageTexts.size(), 1);
    QVERIFY2(fake.messageTexts.at(0).contains("{counter:10} must be 1 to 9"),
             qPrintable(fake.messageTexts.at(0)));
    name->setText("{name}-{counter:3}");
    ok->click();
    QCOMPARE(options.result(), int(QDialog::Accepted));
    QCOMPARE(options.policy().nameTemplate, QString("{name}-{counter:3}"));
}

void TestPresets::plannerNamesFromMetadata()
{
    TestEnvironment env;
    QTemporaryDir dir;
    QStringList sources;
    for (const char *name : { "a.jpg", "b.jpg" }) {
        sources << writeImage(dir.path(), name, solidImage(64, 48, Qt::gray));
        auto file = Exiv2::ImageFactory::open(sources.constLast().toStdString());
        file->exifData()["Exif.Image.Artist"] = "Anna Berg";
        file->writeMetadata();
    }
    RunRequest request;
    request.sources = sources;
    request.outputDir = dir.filePath("out");
    request.format = "jpg";
    request.policy.nameTemplate = "{artist} {width}x{height} {counter:2}";
    QVERIFY(planReadsPictures(request));
    const RunPlan plan = planRun(request);
    QCOMPARE(plan.run.outputs,
             QStringList({ dir.filePath("out/Anna Berg 64x48 01.jpg"),
                           dir.filePath("out/Anna Berg 64x48 02.jpg") }));
}

void TestPresets::presetFiles_data()
{
    QTest::addColumn<QByteArray>("ini"); // empty: no file
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("longEdge");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("nameTemplate");
    const Preset defaults;
    QTest::newRow("whole") << QByteArray("[Text]\ntext=Anna\\nBerg\nposition=bottom-right\n"
                                         "[Output]\njpegQuality=80\nsize=2048x2048\nformat=webp\n"
                                         "nameTemplate={name}-web\n")
                           << true << "Anna\nBerg" << Position::BottomRight << 80
                           << QSize(2048, 2048) << false << "webp"
                           << "{name}-web";
    QTest::newRow("unknown keys ignored")
      << QByteArray("[Mystery]\nx=1\n[Output]\nfuture=yes\nformat=PNG\nsize=thumbnails\n") << true
      << defaults.text.typed << defaults.position << 75 << QSize(120, 120) << false << "png"
      << "{name}";
    QTest::newRow("bad values take defaults")
      << QByteArray("[Text]\nposition=middle\n[Output]\njpegQuality=101\nsize=0x5\nformat=gif\n")
      << true << defaults.text.typed << defaults.position << 75 << QSize() << false << "Original"
      << "{name}";
    QTest::newRow("a 65 KB text and template: the defaults")
      << "[Text]\ntext=" + QByteArray(65 * 1024, 'x') + "\n[Output]\nnameTemplate={name}" +
           QByteArray(65 * 1024, 'y') + "\nformat=png\n"
      << true << defaults.text.typed << defaults.position << 75 << QSize() << false << "png"
      << "{name}";
    QTest::newRow("a long edge, by its number")
      << QByteArray("[Output]\nsize=1600\n") << true << defaults.text.typed << defaults.position
      << 75 << QSize(1600, 1600) << true << "Original"
      << "{name}";
    QTest::newRow("missing file") << QByteArray() << false << QString() << 0 << 0 << QSize()
                                  << false << QString() << QString();
}

void TestPresets::presetFiles()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath("p.conf");
    if (!ini.isEmpty())
        writeText(path, ini);
    Preset preset;
    QString error;
    QCOMPARE(Presets::load(path, &preset, &error), readable);
    if (!readable) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QTEST(preset.text.typed, "text");
    QTEST(preset.position, "position");
    QTEST(preset.options.output.jpegQuality, "quality");
    QTEST(preset.outputSize.box, "size");
    QTEST(preset.outputSize.isLongEdge, "longEdge");
    QTEST(preset.format, "format");
    QTEST(preset.options.output.nameTemplate, "nameTemplate");
}

void TestPresets::presetNamesStayInTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("there");   // what NAME.conf in the presets folder is beforehand
    QTest::addColumn<QString>("problem"); // why saving and loading fail, or empty
    QTest::newRow("a name ending in .conf") << "nginx.conf"
                                            << ""
                                            << "";
    QTest::newRow("x.conf.conf listed as x.conf") << "holiday.conf"
                                                  << "preset"
                                                  << "";
    QTest::newRow("a newline") << "a\nb"
                               << ""
                               << "control or bidirectional";
    QTest::newRow("a bidi override") << QString("gpj.\u202Eexe") << ""
                                     << "control or bidirectional";
    QTest::newRow("a folder named x.conf") << "x"
                                           << "folder"
                                           << "it is a folder";
    QTest::newRow("a FIFO") << "f"
                            << "fifo"
                            << "it is a FIFO";
}

void TestPresets::presetNamesStayInTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, there);
    QFETCH(QString, problem);
    TestEnvironment env;
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    // A file of the working folder under the name itself, which no preset call may touch.
    writeText(work.filePath(name), "server { listen 80; }\n");
    writeText(work.filePath(name + ".conf"), "server { listen 443; }\n");
    QVERIFY(QDir().mkpath(Presets::folder()));
    const QByteArray file = QFile::encodeName(Presets::fileOf(name));
    if (there == "preset")
        writeText(Presets::fileOf(name), "[Text]\ntext=Holiday\n");
    else if (there == "folder")
        QVERIFY(QDir().mkdir(Presets::fileOf(name)));
    else if (there == "fifo")
        QCOMPARE(::mkfifo(file.constData(), 0600), 0);

    Preset preset;
    preset.text.typed = "Saved";
    QString saveError;
    const bool saved = there != "preset" && Presets::save(name, preset, &saveError);
    QString loadError;
    Preset loaded;
    const bool read = Presets::load(Presets::fileOf(name), &loaded, &loadError);
    if (!problem.isEmpty()) {
        QVERIFY(!saved && !read && !Presets::names().contains(name));
        QVERIFY2(saveError.contains(problem), qPrintable(saveError));
        if (there != "")
            QVERIFY2(loadError.contains(problem), qPrintable(loadError));
    } else {
        QVERIFY2(read, qPrintable(saveError + loadError));
        QCOMPARE(loaded.text.typed, there == "preset" ? "Holiday" : "Saved");
        QCOMPARE(Presets::names(), QStringList{ name });
        QCOMPARE(Presets::pathOf(name), Presets::fileOf(name)); // --preset NAME is the preset
        QString error;
        QVERIFY(Presets::remove(name, &error));
        QVERIFY(Presets::names().isEmpty());
    }
    QCOMPARE(fileBytes(work.filePath(name)), QByteArray("server { listen 80; }\n"));
    QCOMPARE(fileBytes(work.filePath(name + ".conf")), QByteArray("server { listen 443; }\n"));
    QVERIFY(QDir::setCurrent(previous));
}

void TestPresets::windowChoosesSavesAndDeletes()
{
    TestEnvironment env;
    PresetAnswers answers;
    Preset web;
    web.outputSize = QSize(2048, 2048);
    web.format = "webp";
    web.text.typed = "Anna Berg";
    web.position = Position::BottomRight;
    web.options.watermark.tile = true;
    QString error;
    QVERIFY2(Presets::save("web", web, &error), qPrintable(error));
    QVERIFY(!Presets::save(".hidden", web, &error) && !Presets::save("a/b", web, &error));

    Dialog dialog;
    auto *combo = child<QComboBox>(&dialog, "presetCombo");
    QVERIFY(previewSettled(dialog));
    QSignalSpy previews(&dialog, &Dialog::previewRefreshed);
    emit combo->activated(combo->findText("web"));
    QVERIFY(previewSettled(dialog));
    // Whatever the preset queued has asked for its preview now, and no typing pause is due.
    QCoreApplication::sendPostedEvents();
    QVERIFY(!dialog.isPreviewPending() && !dialog.isEditPending());
    QCOMPARE(previews.count(), 1);
    QCOMPARE(child<QPlainTextEdit>(&dialog, "markTextBox")->toPlainText(), "Anna Berg");
    QCOMPARE(child<QComboBox>(&dialog, "comboFormats")->currentText(), "webp");
    QCOMPARE(child<QComboBox>(&dialog, "comboBox")->currentIndex(), customSizeIndex);
    QCOMPARE(child<QComboBox>(&dialog, "comboBox")->currentText(), "2048×2048");
    QCOMPARE(WatermarkSettings::instance().customWidth, 2048);
    QCOMPARE(dialog.watermarkPos(), Position::BottomRight);
    QVERIFY(!combo->font().italic());
    child<QComboBox>(&dialog, "comboFormats")->setCurrentIndex(1);
    QVERIFY(combo->font().italic()); // changed, not saved

    answers.presetName = "web jpeg";
    emit combo->activated(combo->findText(QObject::tr("Save as Preset...")));
    Preset saved;
    QVERIFY(Presets::load(Presets::pathOf("web jpeg"), &saved, &error));
    QCOMPARE(saved.format, "jpg");
    QVERIFY(saved.outputFolder.isEmpty()); // not ticked
    QCOMPARE(combo->currentText(), "web jpeg");
    QVERIFY(!combo->font().italic());

    answers.messageBoxAnswer = yes;
    emit combo->activated(combo->findText(QObject::tr("Delete Preset...")));
    QCOMPARE(Presets::names(), QStringList{ "web" });
    QCOMPARE(combo->currentIndex(), -1);
}

void TestPresets::windowShowsEachPresetsSize()
{
    TestEnvironment env;
    PresetAnswers answers;
    QString error;
    for (const int edge : { 1234, 1600 }) {
        Preset preset;
        preset.outputSize = OutputSize::longEdge(edge);
        QVERIFY(Presets::save(QString::number(edge), preset, &error));
    }
    Dialog dialog;
    auto *presets = child<QComboBox>(&dialog, "presetCombo");
    auto *sizes = child<QComboBox>(&dialog, "comboBox");
    const int rows = sizes->count();
    // A long edge of no row gets one while the window is open; one of a row chooses that row.
    for (int round = 0; round < 2; ++round) {
        emit presets->activated(presets->findText("1234"));
        QCOMPARE(sizes->count(), rows + 1);
        QCOMPARE(sizes->currentText(), "Long edge 1234");
        emit presets->activated(presets->findText("1600"));
        QCOMPARE(sizes->currentText(), "Long edge 1600");
    }
    emit presets->activated(presets->findText("1234"));
    answers.presetName = "again";
    emit presets->activated(presets->findText(QObject::tr("Save as Preset...")));
    Preset saved;
    QVERIFY(Presets::load(Presets::pathOf("again"), &saved, &error));
    QCOMPARE(saved.outputSize, OutputSize::longEdge(1234));
    QVERIFY(previewSettled(dialog));
}

void TestPresets::commandLineAndWindowGiveTheSameBytes()
{
    TestEnvironment env;
    FakeUiServices fake;
    QTemporaryDir dir;
    const QString source = writeImage(dir.path(), "p.jpg", solidImage(400, 300, Qt::darkCyan));
    Preset proofs;
    proofs.text.typed = "Proof {counter}";
    proofs.options.output.nameTemplate = "{name}-{preset}";
    proofs.options.output.jpegQuality = 90;
    proofs.format = "jpg";
    proofs.outputSize = QSize(200, 200);
    proofs.outputFolder = dir.filePath("window");
    QString error;
    QVERIFY(Presets::save("proofs", proofs, &error));

    {
        Dialog dialog;
        fake.filesToOpen = { source };
        child<QPushButton>(&dialog, "AddFileBtn")->click();
        auto *combo = child<QComboBox>(&dialog, "presetCombo");
        emit combo->activated(combo->findText("proofs"));
        QSignalSpy finished(&dialog, &Dialog::runFinished);
        child<QPushButton>(&dialog, "Run")->click();
        QVERIFY(finished.wait(60000));
    }
    QBuffer input;
    const ParsedCommand parsed = parseBatchCommand(
      { "quorlane-batch", "--preset", "proofs", "-o", dir.filePath("cli"), "-Q", "50", source },
      &input,
      WatermarkSettings::instance());
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.command.request.policy.jpegQuality, 50); // the option given wins
    RunRequest request = parsed.command.request;
    request.policy.jpegQuality = 90;
    const RunPlan plan = planRun(request);
    QVERIFY(plan.ok());
    QCOMPARE(runToEnd(plan.run).failureCount(), 0);
    const QByteArray window = fileBytes(dir.filePath("window/p-proofs.jpg"));
    QVERIFY(!window.isEmpty());
    QCOMPARE(fileBytes(dir.filePath("cli/p-proofs.jpg")), window);
}

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
