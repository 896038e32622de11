#include <QtTest>

#include <unistd.h>

#include "engine/output/outputfile.h"
#include "testsupport.h"

// Publishing a picture into a folder other programs write too: a name taken between the check
// and the publish, links left in the folder, with and without unnamed temporary files.
class TestPublish : public QObject
{
    Q_OBJECT

private slots:
    void publish_data();
    void publish();
};

namespace {

QStringList hiddenFiles(const QString &dir)
{
    return QDir(dir)
      .entryList(QDir::Files | QDir::Hidden | QDir::System)
      .filter(QRegularExpression("^\\."));
}

} // namespace

void TestPublish::publish_data()
{
    QTest::addColumn<ExistingFiles>("existing");
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("proc"); // /proc there, through which an unnamed file is named
    QTest::addColumn<QString>(
      "before"); // at a.jpg: "", "race" (taken meanwhile), "link", "dangling"
    QTest::addColumn<QString>("published"); // the name it gets, or "" when skipped

    for (const char *kind : { "unnamed", "named", "unnamed, no /proc" }) {
        const bool unnamed = qstrcmp(kind, "named") != 0;
        const bool proc = qstrcmp(kind, "unnamed, no /proc") != 0;
        const auto row =
          [&](const char *name, ExistingFiles existing, const char *before, const char *published) {
              QTest::addRow("%s, %s", name, kind)
                << existing << unnamed << proc << before << published;
          };
        row("replace", ExistingFiles::Replace, "", "a.jpg");
        row("number, taken meanwhile", ExistingFiles::Number, "race", "a (2).jpg");
        row("skip, taken meanwhile", ExistingFiles::Skip, "race", "");
        row("replace a link", ExistingFiles::Replace, "link", "a.jpg");
        row("replace a dangling link", ExistingFiles::Replace, "dangling", "a.jpg");
        row("number past a dangling link", ExistingFiles::Number, "dangling", "a (2).jpg");
        row("skip a dangling link", ExistingFiles::Skip, "dangling", "");
    }
}

void TestPublish::publish()
{
    QFETCH(ExistingFiles, existing);
    QFETCH(bool, unnamed);
    QFETCH(bool, proc);
    QFETCH(QString, before);
    QFETCH(QString, published);
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    const QString victim = dir.filePath("victim.txt");
    QDir().mkpath(out);
    {
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("secret");
    }
    const QString target = out + "/a.jpg";
    if (before == "link")
        QVERIFY(QFile::link(victim, target));
    if (before == "dangling")
        QVERIFY(QFile::link(dir.filePath("nowhere/b.txt"), target));

    PublishSeams seams;
    seams.unnamedTemporary = unnamed;
    if (!proc)
        seams.procFds = "/nonexistent/self/fd"; // a chroot without /proc
    int calls = 0;
    seams.beforeName = [&](const QString &path) {
        // Another writer takes the name between the check and the publish.
        if (before == "race" && calls++ == 0) {
            QFile other(path);
            QVERIFY(other.open(QIODevice::NewOnly));
            other.write("other writer");
        }
    };
    const PublishResult result = publishFile("picture", target, existing, {}, seams);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.skipped, published.isEmpty());
    if (!published.isEmpty()) {
        QCOMPARE(result.path, out + "/" + published);
        QVERIFY(!QFileInfo(result.path).isSymLink());
        QCOMPARE(fileBytes(result.path), QByteArray("picture"));
    }
    if (before == "race")
        QCOMPARE(fileBytes(target), QByteArray("other writer"));
    QCOMPARE(fileBytes(victim), QByteArray("secret")); // never written through a link
    QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
    if (before == "dangling" && existing != ExistingFiles::Replace)
        QVERIFY(QFileInfo(target).isSymLink());
    QCOMPARE(hiddenFiles(out), QStringList()); // no temporary file left
}

QTEST_MAIN(TestPublish)
#include "tst_publish.moc"
