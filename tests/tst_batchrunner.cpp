#include <QImageReader>
#include <QPainter>
#include <QtTest>

#include "engine/imageio/heifcodec.h"
#include "engine/mark/positions.h"
#include "engine/output/outputnames.h"
#include "engine/run/batchrunner.h"
#include "engine/run/memoryplan.h"
#include "testsupport.h"

#include <csignal>
#include <sys/resource.h>

namespace {

struct Finished
{
    BatchReport report;
    QList<int> progress;
};

Finished runBatch(const RunSnapshot &run, int workers = 1)
{
    Finished result;
    result.report = runToEnd(run, workers, &result.progress);
    return result;
}

RunSnapshot snapshot(const QStringList &sources,
                     const QString &outDir,
                     const QString &format,
                     const QSize &size = QSize())
{
    return testRun(sources, outDir, format, Position::Center, size);
}

} // namespace

class TestBatchRunner : public QObject
{
    Q_OBJECT

private slots:
    void memoryLimits_data();
    void memoryLimits();
    void workingSets_data();
    void workingSets();
    void outputNames_data();
    void outputNames();
    void formatsAndSizes_data();
    void formatsAndSizes();
    void progressFollowsReadPictures_data();
    void progressFollowsReadPictures();
    void palettePictureIsStamped();
    void transparencyBecomesWhiteInJpeg();
    void watermarkScalesWithThePicture();
    void failuresAreReportedWithReasons();
    void workersWriteIdenticalFiles();
    void stoppedRunLeavesOnlyCompleteFiles();
    void sourcesAreNeverReplaced();
    void folderFullMidRunKeepsWrittenFiles();
};

void TestBatchRunner::memoryLimits_data()
{
    QTest::addColumn<QByteArray>("cgroup"); // /proc/self/cgroup
    QTest::addColumn<QStringList>("files"); // "path=value" under the mount
    QTest::addColumn<qint64>("limit");      // -1: none
    const qint64 gib = qint64(1) << 30;
    QTest::newRow("v2, the container's own limit")
      << QByteArray("0::/box/app\n")
      << QStringList{ "box/app/memory.max=4294967296", "box/memory.max=max", "memory.max=max" }
      << 4 * gib;
    QTest::newRow("v2, a parent's high mark is smaller")
      << QByteArray("0::/box/app\n")
      << QStringList{ "box/app/memory.max=8589934592", "box/memory.high=3221225472" } << 3 * gib;
    QTest::newRow("v1, memory among other controllers")
      << QByteArray("5:cpu,memory:/docker/abc\n4:pids:/docker/abc\n")
      << QStringList{ "memory/docker/abc/memory.limit_in_bytes=2147483648",
                      "memory/memory.limit_in_bytes=9223372036854771712" }
      << 2 * gib;
    QTest::newRow("a cgroup namespace: the path starts at the mount")
      << QByteArray("0::/user.slice/session\n") << QStringList{ "memory.max=1073741824" } << gib;
    QTest::newRow("no limit anywhere")
      << QByteArray("0::/\n") << QStringList{ "memory.max=max" } << qint64(-1);
    QTest::newRow("no memory controller")
      << QByteArray("3:cpu:/x\n") << QStringList{ "memory/x/memory.limit_in_bytes=1024" }
      << qint64(-1);
}

void TestBatchRunner::memoryLimits()
{
    QFETCH(QByteArray, cgroup);
    QFETCH(QStringList, files);
    QFETCH(qint64, limit);
    QTemporaryDir dir;
    writeFile(dir.filePath("cgroup"), cgroup);
    for (const QString &file : files) {
        const QStringList parts = file.split('=');
        writeFile(dir.filePath("mount/" + parts.at(0)), parts.at(1).toUtf8() + "\n");
    }
    const std::optional<qint64> found =
      MemoryPlan::cgroupLimit(dir.filePath("cgroup"), dir.filePath("mount"));
    QCOMPARE(found.value_or(-1), limit);
}

void TestBatchRunner::workingSets_data()
{
    QTest::addColumn<QString>("source"); // suffix of a 64×48 picture
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<qint64>("perPixel"); // the working set in bytes a pixel (same size out)
    QTest::newRow("JPEG to JPEG") << "jpg"
                                  << "jpg" << false << qint64(4 + 4 + 1);
    QTest::newRow("JPEG kept") << "jpg"
                               << "jpg" << true << qint64(4 + 6 + 4 + 1);
    QTest::newRow("PNG to WebP") << "png"
                                 << "webp" << false << qint64(4 + 4 + 6);
    QTest::newRow("HEIC to AVIF") << "heic"
                                  << "avif" << false << qint64(4 + 3 + 4 + 14);
    QTest::newRow("HEIC to HEIC") << "heic"
                                  << "heic" << false << qint64(4 + 3 + 4 + 9);
}

void TestBatchRunner::workingSets()
{
    QFETCH(QString, source);
    QFETCH(QString, format);
    QFETCH(bool, keep);
    QFETCH(qint64, perPixel);
    QTemporaryDir dir;
    const QImage picture = solidImage(64, 48, Qt::darkGray);
    const QString path =
      source == "heic"
        ? writeFile(dir.filePath("p.heic"), HeifCodec::encode(picture, "heic", 50, {}).bytes)
        : writeImage(dir.path(), "p." + source, picture);
    RunSnapshot run = testRun({ path }, dir.filePath("out"), format);
    run.policy.jpegMode = keep ? JpegMode::Keep : JpegMode::Encode;
    const qint64 fileBytes = keep ? QFileInfo(path).size() : 0;
    QCOMPARE(MemoryPlan::workingSet(run, 0), 64 * 48 * perPixel + fileBytes);
    // A 4 GB container on a 16-core host: one 200-megapixel picture at a time (two HEICs made
    // AVIFs would take 10 GB), nine 12-megapixel JPEGs at once.
    const qint64 gib = qint64(1) << 30;
    const qint64 largest = MemoryPlan::workingSet(run, 0) / (64 * 48) * 200'000'000;
    QCOMPARE(MemoryPlan::workers(largest, 4 * gib, 16, 16), 1);
    QCOMPARE(MemoryPlan::workers(12'000'000 * 9, 4 * gib, 16, 16), 9);
    QCOMPARE(MemoryPlan::workers(1, 64 * gib, 16, 3), 3); // never more than the pictures
}

void TestBatchRunner::outputNames_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("folds"); // the output folder folds case (exFAT, SMB)
    QTest::newRow("original keeps the name")
      << QStringList{ "/p/Beach.JPG" } << "Original" << QStringList{ "Beach.JPG" } << false;
    QTest::newRow("png replaces the last suffix")
      << QStringList{ "/p/Beach.JPG", "/p/archive.2011.tif", "/p/a.b.c.jpg" } << "png"
      << QStringList{ "Beach.png", "archive.2011.png", "a.b.c.png" } << false;
    QTest::newRow("same name twice")
      << QStringList{ "/x/a.jpg", "/y/a.jpg", "/z/a.jpg" } << "Original"
      << QStringList{ "a.jpg", "a (2).jpg", "a (3).jpg" } << false;
    QTest::newRow("same source twice") << QStringList{ "/x/a.jpg", "/x/a.jpg" } << "bmp"
                                       << QStringList{ "a.bmp", "a (2).bmp" } << false;
    QTest::newRow("no suffix") << QStringList{ "/x/holidayjpg", "/y/holidayjpg" } << "Original"
                               << QStringList{ "holidayjpg", "holidayjpg (2)" } << false;
    QTest::newRow("different case is another name")
      << QStringList{ "/x/A.jpg", "/y/a.jpg" } << "Original" << QStringList{ "A.jpg", "a.jpg" }
      << false;
    QTest::newRow("on a folder that folds case, different case is the same name")
      << QStringList{ "/x/Photo.jpg", "/y/photo.jpg", "/z/PHOTO.JPG" } << "Original"
      << QStringList{ "Photo.jpg", "photo (2).jpg", "PHOTO (3).JPG" } << true;
    QTest::newRow("a numbered name already taken")
      << QStringList{ "/x/a (2).jpg", "/y/a.jpg", "/z/a.jpg" } << "Original"
      << QStringList{ "a (2).jpg", "a.jpg", "a (3).jpg" } << false;
}

void TestBatchRunner::outputNames()
{
    QFETCH(QStringList, sources);
    QFETCH(QString, format);
    QFETCH(QStringList, names);
    QFETCH(bool, folds);
    QStringList expected;
    for (const QString &name : names)
        expected << "/out/" + name;
    const Qt::CaseSensitivity folder = folds ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QCOMPARE(assignOutputPaths(sources, "/out", format, ExistingFiles::Replace, {}, folder).paths,
             expected);
    QTemporaryDir dir;
    QCOMPARE(fileNameCase(dir.path()), Qt::CaseSensitive); // this machine's temporary folder
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestBatchRunner::formatsAndSizes_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("readerFormat");
    QTest::newRow("original jpg") << "Original" << QSize(400, 300) << QSize() << "pic.jpg"
                                  << QByteArray("jpeg");
    QTest::newRow("jpg") << "jpg" << QSize(400, 300) << QSize() << "pic.jpg" << QByteArray("jpeg");
    QTest::newRow("png keeps size")
      << "png" << QSize(400, 300) << QSize() << "pic.png" << QByteArray("png");
    QTest::newRow("tiff") << "tiff" << QSize(400, 300) << QSize(640, 480) << "pic.tiff"
                          << QByteArray("tiff");
    QTest::newRow("bmp") << "bmp" << QSize(400, 300) << QSize(320, 240) << "pic.bmp"
                         << QByteArray("bmp");
    QTest::newRow("ppm") << "ppm" << QSize(400, 300) << QSize(240, 160) << "pic.ppm"
                         << QByteArray("ppm");
    QTest::newRow("xpm") << "xpm" << QSize(400, 300) << QSize(120, 120) << "pic.xpm"
                         << QByteArray("xpm");
    QTest::newRow("thumbnail of 4000x3000")
      << "jpg" << QSize(4000, 3000) << QSize(120, 120) << "pic.jpg" << QByteArray("jpeg");
    QTest::newRow("portrait stretched")
      << "png" << QSize(480, 640) << QSize(640, 480) << "pic.png" << QByteArray("png");
    QTest::newRow("custom 1000x50")
      << "png" << QSize(400, 300) << QSize(1000, 50) << "pic.png" << QByteArray("png");
}

void TestBatchRunner::formatsAndSizes()
{
    QFETCH(QString, format);
    QFETCH(QSize, source);
    QFETCH(QSize, size);
    QFETCH(QString, written);
    QFETCH(QByteArray, readerFormat);
    QTemporaryDir dir;
    const QString src = writeImage(
      dir.path() + "/in", "pic.jpg", solidImage(source.width(), source.height(), Qt::white));
    QDir().mkpath(dir.path() + "/out");
    const Finished f = runBatch(snapshot({ src }, dir.path() + "/out", format, size), 1);
    QCOMPARE(f.report.failureCount(), 0);
    QCOMPARE(f.report.lastWritten, dir.path() + "/out/" + written);
    QImageReader reader(f.report.lastWritten);
    QCOMPARE(reader.format(), readerFormat);
    const QImage image = reader.read();
    QCOMPARE(image.size(), size.isValid() ? size : source);
    QVERIFY(!changedArea(image, Qt::white, 60).isEmpty()); // the watermark is there
}

void TestBatchRunner::progressFollowsReadPictures_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("3 pictures") << 3 << -1 << QList<int>{ 33, 66, 100 };
    QTest::newRow("3, second unreadable") << 3 << 1 << QList<int>{ 33, 66 };
    QTest::newRow("7 pictures") << 7 << -1 << QList<int>{ 14, 28, 42, 57, 71, 85, 100 };
}

void TestBatchRunner::progressFollowsReadPictures()
{
    QFETCH(int, count);
    QFETCH(int, unreadable);
    QFETCH(QList<int>, progress);
    QTemporaryDir dir;
    QStringList sources;
    for (int i = 0; i < count; ++i) {
        sources << writeImage(
          dir.path(), QStringLiteral("p%1.png").arg(i), solidImage(50, 40, Qt::gray));
        if (i == unreadable)
            QFile::resize(sources.last(), 20);
    }
    QDir().mkpath(dir.path() + "/out");
    for (int workers : { 1, 2 }) {
        const Finished f = runBatch(snapshot(sources, dir.path() + "/out", "jpg"), workers);
        QCOMPARE(f.progress, progress);
        QCOMPARE(f.report.failureCount(), unreadable < 0 ? 0 : 1);
        QCOMPARE(QDir(dir.path() + "/out").entryList(QDir::Files).size(), progress.size());
    }
}

void TestBatchRunner::palettePictureIsStamped()
{
    QTemporaryDir dir;
    const QString src =
      writeImage(dir.path(),
                 "palette.png",
                 solidImage(300, 200, Qt::white).convertToFormat(QImage::Format_Indexed8));
    QVERIFY(QImage(src).format() == QImage::Format_Indexed8);
    QDir().mkpath(dir.path() + "/out");
    const Finished f = runBatch(snapshot({ src }, dir.path() + "/out", "Original"));
    QCOMPARE(f.report.failureCount(), 0);
    QVERIFY(!changedArea(QImage(f.report.lastWritten), Qt::white, 60).isEmpty());
}

void TestBatchRunner::transparencyBecomesWhiteInJpeg()
{
    QTemporaryDir dir;
    // Fully transparent, stored black underneath.
    QImage clear = solidImage(300, 200, QColor(0, 0, 0, 0), QImage::Format_ARGB32);
    const QString src = writeImage(dir.path(), "clear.png", clear);
    QDir().mkpath(dir.path() + "/out");
    for (const QString format : { "jpg", "bmp", "png" }) {
        const Finished f = runBatch(snapshot({ src }, dir.path() + "/out", format));
        const QImage out(f.report.lastWritten);
        const QColor corner = out.pixelColor(2, 2);
        if (format == "png") {
            QCOMPARE(corner.alpha(), 0);
        } else {
            QVERIFY2(corner.red() > 245 && corner.green() > 245 && corner.blue() > 245,
                     qPrintable(corner.name()));
        }
        // The text is there, black on what a viewer shows as white.
        QVERIFY(!changedArea(out, Qt::white, 60).isEmpty());
    }
}

void TestBatchRunner::watermarkScalesWithThePicture()
{
    QTemporaryDir dir;
    const QString src = writeImage(dir.path(), "big.png", solidImage(4000, 3000, Qt::white));
    QDir().mkpath(dir.path() + "/out");
    RunSnapshot run = snapshot({ src }, dir.path() + "/out", "png", QSize(120, 120));
    run.position = Position::BottomRight;
    const Finished f = runBatch(run);
    const QImage out(f.report.lastWritten);
    QCOMPARE(out.size(), QSize(120, 120));
    const QRect ink = changedArea(out, Qt::white, 30);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.right() >= 115 && ink.bottom() >= 110 && ink.left() > 60,
             qPrintable(QDebug::toString(ink)));
}

void TestBatchRunner::failuresAreReportedWithReasons()
{
    QTemporaryDir dir;
    const QString good = writeImage(dir.path(), "good.png", solidImage(60, 40, Qt::white));
    const QString noSuffix =
      writeImage(dir.path(), "holidayjpg", solidImage(60, 40, Qt::white), "jpeg");
    const QString missing = dir.path() + "/missing.png";
    QDir().mkpath(dir.path() + "/out");
    const Finished f =
      runBatch(snapshot({ good, noSuffix, missing }, dir.path() + "/out", "Original"));
    const BatchReport &r = f.report;
    QCOMPARE(r.failureCount(), 2);
    QCOMPARE(r.outcomes.at(0).status, JobOutcome::Status::Written);
    QCOMPARE(r.outcomes.at(1).status, JobOutcome::Status::NotWritten);
    QVERIFY(!r.outcomes.at(1).reason.isEmpty());
    QCOMPARE(r.outcomes.at(2).status, JobOutcome::Status::Unreadable);
    QVERIFY(!r.outcomes.at(2).reason.isEmpty());
    QCOMPARE(r.lastWritten, dir.path() + "/out/good.png");
    QCOMPARE(f.progress, (QList<int>{ 33, 66 }));

    // An output folder that is a regular file: every picture is read but none written.
    QFile blocker(dir.path() + "/blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Finished g = runBatch(snapshot({ good, good }, dir.path() + "/blocked", "png"));
    QCOMPARE(g.report.failureCount(), 2);
    QCOMPARE(g.report.outcomes.at(0).status, JobOutcome::Status::NotWritten);
    QVERIFY(g.report.lastWritten.isEmpty());
    QCOMPARE(g.progress, (QList<int>{ 50, 100 }));
}

void TestBatchRunner::workersWriteIdenticalFiles()
{
    QTemporaryDir dir;
    QStringList sources;
    for (int i = 0; i < 6; ++i) {
        QImage image = solidImage(500 + i * 10, 300, QColor(20 * i, 200 - 20 * i, 90));
        QPainter(&image).fillRect(0, 0, 100, 300, Qt::black);
        sources << writeImage(dir.path(), QStringLiteral("s%1.jpg").arg(i), image);
    }
    QDir().mkpath(dir.path() + "/one");
    QDir().mkpath(dir.path() + "/two");
    const Finished one = runBatch(snapshot(sources, dir.path() + "/one", "jpg"), 1);
    const Finished two = runBatch(snapshot(sources, dir.path() + "/two", "jpg"), 2);
    QCOMPARE(one.report.failureCount(), 0);
    QCOMPARE(two.report.failureCount(), 0);
    for (int i = 0; i < sources.size(); ++i) {
        const QString name = QStringLiteral("/s%1.jpg").arg(i);
        QCOMPARE(fileBytes(dir.path() + "/two" + name), fileBytes(dir.path() + "/one" + name));
    }
    QCOMPARE(two.report.lastWritten, dir.path() + "/two/s5.jpg");
}

void TestBatchRunner::stoppedRunLeavesOnlyCompleteFiles()
{
    QTemporaryDir dir;
    const QString src = writeImage(dir.path(), "p.png", solidImage(1500, 1000, Qt::white));
    QStringList sources;
    for (int i = 0; i < 12; ++i)
        sources << src;
    QDir().mkpath(dir.path() + "/out");
    BatchRunner runner;
    QSignalSpy done(&runner, &BatchRunner::finished);
    // Stopped once the first picture is done: the others in flight finish, the rest never start.
    connect(&runner, &BatchRunner::pictureFinished, &runner, &BatchRunner::stop);
    runner.start(snapshot(sources, dir.path() + "/out", "png"), 2);
    QVERIFY(done.wait(60000));
    const BatchReport report = done.at(0).at(0).value<BatchReport>();
    QVERIFY(report.stopped);
    const int started = 12 - report.count(JobOutcome::Status::NotStarted);
    QVERIFY(started >= 1 && started < 12);
    QCOMPARE(report.count(JobOutcome::Status::Written), started);
    const QStringList files = QDir(dir.path() + "/out").entryList(QDir::Files);
    QCOMPARE(files.size(), started);
    for (const QString &file : files)
        QCOMPARE(QImage(dir.path() + "/out/" + file).size(), QSize(1500, 1000));
}

void TestBatchRunner::sourcesAreNeverReplaced()
{
    QTemporaryDir dir;
    const QString src = writeImage(dir.path(), "own.png", solidImage(80, 60, Qt::white));
    const QByteArray before = fileBytes(src);
    // Output folder = the source's folder, format "Original": the output path is the source.
    const Finished f = runBatch(snapshot({ src }, dir.path(), "Original"));
    QCOMPARE(f.report.outcomes.at(0).status, JobOutcome::Status::NotWritten);
    QVERIFY(!f.report.outcomes.at(0).reason.isEmpty());
    QCOMPARE(f.progress, QList<int>{ 100 });
    QCOMPARE(fileBytes(src), before);
}

void TestBatchRunner::folderFullMidRunKeepsWrittenFiles()
{
    // The "disk" holds files of up to 50 kB: the first two outputs (64 × 48 BMP, 9 kB) fit, the
    // four after them (600 × 400 BMP, 720 kB) cannot be written completely. BMP, because
    // LeakSanitizer finds memory lost inside QtGui's PNG writer when its writes fail.
    QTemporaryDir dir;
    QStringList sources;
    for (int i = 0; i < 6; ++i) {
        const QSize size = i < 2 ? QSize(64, 48) : QSize(600, 400);
        sources << writeImage(dir.path(),
                              QStringLiteral("p%1.png").arg(i),
                              solidImage(size.width(), size.height(), Qt::gray));
    }
    QDir().mkpath(dir.path() + "/out");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &full);
    const Finished f = runBatch(snapshot(sources, dir.path() + "/out", "bmp"), 1);
    setrlimit(RLIMIT_FSIZE, &old);

    QCOMPARE(f.report.failureCount(), 4);
    QCOMPARE(f.progress, (QList<int>{ 16, 33, 50, 66, 83, 100 }));
    for (int i = 0; i < sources.size(); ++i) {
        const QString out = dir.path() + QStringLiteral("/out/p%1.bmp").arg(i);
        if (i < 2) {
            QCOMPARE(f.report.outcomes.at(i).status, JobOutcome::Status::Written);
            QCOMPARE(QImage(out).size(), QSize(64, 48)); // complete
        } else {
            QCOMPARE(f.report.outcomes.at(i).status, JobOutcome::Status::NotWritten);
            QVERIFY(!f.report.outcomes.at(i).reason.isEmpty());
            QVERIFY2(!QFileInfo::exists(out), qPrintable(out)); // nothing half-written
        }
    }
}

QTEST_MAIN(TestBatchRunner)
#include "tst_batchrunner.moc"
