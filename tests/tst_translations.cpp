#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <QXmlStreamReader>

#include "settings/translators.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

struct Message
{
    QString context;
    QString source;
    bool plural = false;
};

// Every message the sources mark now, as lupdate finds it (not as the .ts files remember it).
QList<Message> markedMessages()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath("all.ts");
    QStringList arguments{ "-silent" };
    for (const char *folder : { "engine", "settings", "cli", "ui" })
        arguments << QStringLiteral(QUORLANE_SOURCE_DIR "/") + QLatin1String(folder);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE), arguments << "-ts" << ts);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {};
    QFile file(ts);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages << Message{ context,
                                 {},
                                 xml.attributes().value("numerus") == QLatin1String("yes") };
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
    }
    return messages;
}

// The arguments a text takes: %1, %2 ... and %n.
QStringList argumentsOf(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression("%(\\d+|n)").globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

struct BatchRun
{
    QString errors;
    QString help;
    QStringList statuses;
};

// quorlane-batch in language: its --help, and a run over a picture and a missing one with a report.
BatchRun runBatchIn(const QString &language, const QTemporaryDir &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", language);
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    QProcess process;
    process.setProcessEnvironment(environment);
    BatchRun run;
    process.start(QStringLiteral(QUORLANE_BATCH), { "--help" });
    process.waitForFinished(60000);
    run.help = QString::fromUtf8(process.readAllStandardOutput());
    const QString report = dir.filePath("report-" + language + ".jsonl");
    process.start(QStringLiteral(QUORLANE_BATCH),
                  { "-o",
                    dir.filePath("out-" + language),
                    "--report",
                    report,
                    dir.filePath("a.png"),
                    dir.filePath("missing.png") });
    process.waitForFinished(60000);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    QFile lines(report);
    lines.open(QIODevice::ReadOnly);
    while (!lines.atEnd())
        run.statuses
          << QJsonDocument::fromJson(lines.readLine()).object().value("status").toString();
    run.statuses.sort(); // in the order the pictures ended
    return run;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();
    void theWindowSpeaksTheUsersLanguage();
    void theCommandLineSpeaksButStoresEnglish();
    void theWindowReadsInEveryLanguage_data();
    void theWindowReadsInEveryLanguage();
};

void TestTranslations::everyMessageIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "de", "fr", "es", "ja" })
        QTest::newRow(language) << language;
}

void TestTranslations::everyMessageIsTranslated()
{
    QFETCH(QString, language);
    static const QList<Message> messages = markedMessages();
    QVERIFY(messages.size() > 250);
    QTranslator translator;
    QVERIFY(translator.load("quorlane_" + language, ":/i18n"));
    for (const Message &m : messages) {
        const QString where = m.context + ": " + m.source;
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        // A plural message is looked up for counts that pick each language's every form.
        for (const int n : m.plural ? QList<int>{ 0, 1, 2, 5, 21 } : QList<int>{ -1 }) {
            const QString text = translator.translate(context, source, nullptr, n);
            QVERIFY2(!text.isEmpty(), qPrintable("untranslated: " + where));
            QVERIFY2(argumentsOf(text) == argumentsOf(m.source), qPrintable(where + " -> " + text));
        }
    }
}

void TestTranslations::theWindowSpeaksTheUsersLanguage()
{
    // main() set LANGUAGE=de before the application started, as a German desktop does.
    TestEnvironment environment;
    installTranslators(QLocale());
    Dialog dialog;
    QCOMPARE(child<QLabel>(&dialog, "label_2")->text(), "Ausgabe&format");
    QCOMPARE(child<QComboBox>(&dialog, "comboBox")->itemText(customSizeIndex), "Eigene Größe");
    // Qt's own buttons, when the system has Qt's translations.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

void TestTranslations::theCommandLineSpeaksButStoresEnglish()
{
    QTemporaryDir dir;
    QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(dir.filePath("a.png")));
    const BatchRun english = runBatchIn("en", dir);
    QCOMPARE(english.statuses, (QStringList{ "unreadable", "written" }));
    QVERIFY2(english.errors.contains("1 of 2 pictures could not be processed:"),
             qPrintable(english.errors));
    const BatchRun french = runBatchIn("fr", dir);
    QVERIFY2(french.help.contains("Afficher cette aide et quitter."), qPrintable(french.help));
    QVERIFY2(french.help.contains("--output <DIR>"), qPrintable(french.help));
    QVERIFY2(french.errors.contains("1 image sur 2 n'a pas pu être traitée :"),
             qPrintable(french.errors));
    for (const char *language : { "de", "es", "ja" })
        QCOMPARE(runBatchIn(language, dir).statuses, english.statuses);
    QCOMPARE(french.statuses, english.statuses);
}

void TestTranslations::theWindowReadsInEveryLanguage_data()
{
    everyMessageIsTranslated_data();
}

void TestTranslations::theWindowReadsInEveryLanguage()
{
    QFETCH(QString, language);
    QTranslator translator; // above the German of the whole program
    QVERIFY(translator.load("quorlane_" + language, ":/i18n"));
    QCoreApplication::installTranslator(&translator);
    TestEnvironment environment;
    FakeUiServices fake;
    Dialog dialog;
    dialog.show();
    QCOMPARE(child<QLabel>(&dialog, "label")->text(),
             translator.translate("Dialog", "Output &dimension"));

    // A name for every control a screen reader reaches, each its own; mnemonics that never clash.
    const QMap<QString, QString> names = spokenNames(dialog);
    QVERIFY(!names.values().contains(QString()));
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    const QMultiMap<QChar, QString> letters = mnemonics(dialog);
    // The Japanese preset label has no room for "(&P)" in its 56 pixels.
    QCOMPARE(letters.size(), language == "ja" ? 3 : 4);
    QCOMPARE(QSet<QChar>(letters.keyBegin(), letters.keyEnd()).size(), letters.size());
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->text().contains('&'))
            QVERIFY2(label->buddy(), qPrintable(label->objectName()));
    }

    // Every size row fits the closed box, whose popup may be wider.
    auto *sizes = child<QComboBox>(&dialog, "comboBox");
    QStyleOptionComboBox box;
    box.initFrom(sizes);
    box.rect = QRect(QPoint(), sizes->size());
    box.frame = true;
    const int room =
      sizes->style()
        ->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, sizes)
        .width();
    QStringList texts{ "16384×16384" }; // the custom row names the chosen size
    for (int row = 0; row < sizes->count(); ++row)
        texts << sizes->itemText(row);
    for (const QString &text : texts)
        QVERIFY2(sizes->fontMetrics().horizontalAdvance(text) <= room,
                 qPrintable(QStringLiteral("%1: %2 > %3")
                              .arg(text)
                              .arg(sizes->fontMetrics().horizontalAdvance(text))
                              .arg(room)));
    QCoreApplication::removeTranslator(&translator);
}

int main(int argc, char *argv[])
{
    qputenv("LANGUAGE", "de");
    QApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
