#include <QtTest>
#include <QtWidgets>

#include "engine/output/outputfile.h"
#include "engine/output/outputnames.h"
#include "settings/configfile.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

QSettings config()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "quorlane", "quorlane");
}

// Opens "Options...", checks the radio button named choice and closes with OK or Cancel.
void chooseOption(Dialog &dialog, const char *choice, bool accept)
{
    onNextModal([choice, accept](QWidget *w) {
        child<QRadioButton>(w, choice)->setChecked(true);
        child<QSpinBox>(w, "jpegQuality")->setValue(95);
        auto *box = child<QDialogButtonBox>(w, "buttonBox");
        box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    child<QPushButton>(&dialog, "OptionsBtn")->click();
}

QStringList runAndList(Dialog &dialog)
{
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    child<QPushButton>(&dialog, "Run")->click();
    if (dialog.isRunning())
        finished.wait(60000);
    QStringList names = QDir(WatermarkSettings::instance().outputDirPath).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace

class TestExistingFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installTranslators(QLocale(QLocale::English)); }
    void windowKeepsBothSkipsAndWarnsOnlyWhenReplacing();
    void nameTakenWhilePublishing_data();
    void nameTakenWhilePublishing();
    void configValuesOutOfRangeReadAsDefaults_data();
    void configValuesOutOfRangeReadAsDefaults();
};

void TestExistingFiles::windowKeepsBothSkipsAndWarnsOnlyWhenReplacing()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    fake.filesToOpen = { writeImage(env.path() + "/in", "a.jpg", solidImage(64, 48, Qt::gray)) };
    child<QPushButton>(&dialog, "AddFileBtn")->click();

    chooseOption(dialog, "existingNumber", true);
    QCOMPARE(config().value("Output/existingFiles").toString(), QString("number"));
    QCOMPARE(config().value("Output/jpegQuality").toInt(), 95);
    QCOMPARE(runAndList(dialog), (QStringList{ "a.jpg" }));
    QCOMPARE(runAndList(dialog), (QStringList{ "a (2).jpg", "a.jpg" }));
    QVERIFY(fake.messageTexts.isEmpty());
    QCOMPARE(fake.openedUrls.last().toLocalFile(),
             WatermarkSettings::instance().outputDirPath + "/a (2).jpg");

    chooseOption(dialog, "existingReplace", false); // Cancel keeps "Keep both"
    QCOMPARE(config().value("Output/existingFiles").toString(), QString("number"));
    chooseOption(dialog, "existingSkip", true);
    QCOMPARE(runAndList(dialog), (QStringList{ "a (2).jpg", "a.jpg" }));
    QCOMPARE(fake.messageTexts,
             QStringList("1 of 1 pictures was skipped: a picture of the same name is already in "
                         "the output folder."));

    // An existing output folder only warns while files are replaced.
    QDir(env.path()).mkpath("chosen/Qrl_Output#");
    fake.directoryToChoose = env.path() + "/chosen";
    child<QPushButton>(&dialog, "ChooseOutDir")->click();
    QCOMPARE(fake.messageTexts.size(), 1);
    QCOMPARE(WatermarkSettings::instance().outputDirPath, env.path() + "/chosen/Qrl_Output#");
    chooseOption(dialog, "existingReplace", true);
    child<QPushButton>(&dialog, "ChooseOutDir")->click();
    QCOMPARE(fake.messageTexts.size(), 2);
    QVERIFY(fake.messageTexts.last().startsWith("WARNING: The output directory already exists."));
}

void TestExistingFiles::nameTakenWhilePublishing_data()
{
    QTest::addColumn<ExistingFiles>("existing");
    QTest::addColumn<QStringList>("takenMeanwhile");
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("skipped");
    QTest::newRow("number, free") << ExistingFiles::Number << QStringList() << "a.jpg" << false;
    QTest::newRow("number, taken") << ExistingFiles::Number << QStringList{ "a.jpg" } << "a (3).jpg"
                                   << false; // "a (2).jpg" is reserved by the run
    QTest::newRow("number, from its own number")
      << ExistingFiles::Number << QStringList{ "a.jpg", "a (3).jpg" } << "a (4).jpg" << false;
    QTest::newRow("skip, taken") << ExistingFiles::Skip << QStringList{ "a.jpg" } << "a.jpg"
                                 << true;
    QTest::newRow("replace, taken")
      << ExistingFiles::Replace << QStringList{ "a.jpg" } << "a.jpg" << false;
}

void TestExistingFiles::nameTakenWhilePublishing()
{
    QFETCH(ExistingFiles, existing);
    QFETCH(QStringList, takenMeanwhile);
    QFETCH(QString, published);
    QFETCH(bool, skipped);
    QTemporaryDir dir;
    for (const QString &name : takenMeanwhile) {
        QFile other(dir.filePath(name));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("another program's");
    }
    const QStringList reserved = { dir.filePath("a.jpg"), dir.filePath("a (2).jpg") };
    const PublishResult result =
      publishFile("new bytes", dir.filePath("a.jpg"), existing, reserved);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.skipped, skipped);
    QCOMPARE(result.path, dir.filePath(published));
    for (const QString &name : takenMeanwhile) {
        QFile other(dir.filePath(name));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(),
                 QByteArray(!skipped && name == published ? "new bytes" : "another program's"));
    }
    // No temporary file is left, and the picture gets the permissions of a replaced one.
    QSaveFile reference(dir.filePath("reference"));
    QVERIFY(reference.open(QIODevice::WriteOnly) && reference.commit());
    if (!skipped)
        QCOMPARE(QFile::permissions(result.path), QFile::permissions(reference.fileName()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
             takenMeanwhile.size() + 1 + (skipped || takenMeanwhile.contains(published) ? 0 : 1));
}

void TestExistingFiles::configValuesOutOfRangeReadAsDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("isDefault");
    QTest::newRow("metadata all") << "metadata"
                                  << "all" << false;
    QTest::newRow("metadata unknown") << "metadata"
                                      << "everything" << true;
    QTest::newRow("metadata upper case") << "metadata"
                                         << "ALL" << true;
    QTest::newRow("notice true") << "copyrightFromText"
                                 << "true" << false;
    QTest::newRow("notice 1") << "copyrightFromText"
                              << "1" << true;
    QTest::newRow("quality 1") << "jpegQuality"
                               << "1" << false;
    QTest::newRow("quality 0") << "jpegQuality"
                               << "0" << true;
    QTest::newRow("quality 101") << "jpegQuality"
                                 << "101" << true;
    QTest::newRow("quality huge") << "jpegQuality"
                                  << "4294967371" << true;
    QTest::newRow("resize fit") << "resize"
                                << "fit" << false;
    QTest::newRow("resize empty") << "resize"
                                  << "" << true;
    QTest::newRow("existing skip") << "existingFiles"
                                   << "skip" << false;
    QTest::newRow("existing keep") << "existingFiles"
                                   << "keep" << true;
}

void TestExistingFiles::configValuesOutOfRangeReadAsDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, isDefault);
    TestEnvironment env;
    config().setValue("Output/" + key, value);
    const OutputPolicy read = ConfigFile::load().output;
    const OutputPolicy defaults;
    const bool equal = read.metadata == defaults.metadata &&
                       read.copyrightFromText == defaults.copyrightFromText &&
                       read.jpegQuality == defaults.jpegQuality && read.resize == defaults.resize &&
                       read.existingFiles == defaults.existingFiles;
    QCOMPARE(equal, isDefault);
    // What is read is written back in the same words.
    QVERIFY(ConfigFile::save({ read, {} }));
    if (!isDefault)
        QCOMPARE(config().value("Output/" + key).toString(), value);
}

QTEST_MAIN(TestExistingFiles)
#include "tst_existingfiles.moc"
