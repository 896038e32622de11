// Real-world pictures from the shared corpus (skipped when it is not there): every picture is
// either written with its watermark or reported with a reason, in every output format.
#include <QDirIterator>
#include <QtTest>

#include "engine/imageio/picturereader.h"
#include "engine/mark/positions.h"
#include "engine/output/outputnames.h"
#include "engine/run/batchrunner.h"
#include "testsupport.h"

namespace {

const QStringList formats = {
    "Original", "jpg", "png", "tiff", "bmp", "ppm", "xpm", "webp", "avif"
};

QString corpusDir()
{
    return QStringLiteral(QUORLANE_SOURCE_DIR "/../shared/corpus");
}

// Mean absolute difference per channel between two pictures of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

// Where two pictures of one size differ clearly.
QRect differenceArea(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            if (qAbs(qGray(p) - qGray(q)) > 60)
                area |= QRect(col, row, 1, 1);
        }
    }
    return area;
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureIsWrittenOrReported();
    void orientationsComeOutUpright();

private:
    BatchReport runAll(const QStringList &sources,
                       const QString &out,
                       int position,
                       QStringList *outputs);
    QTemporaryDir m_out;
};

void TestCorpus::initTestCase()
{
    if (!QFileInfo(corpusDir()).isDir())
        QSKIP("the shared picture corpus is not beside this checkout");
}

BatchReport TestCorpus::runAll(const QStringList &sources,
                               const QString &out,
                               int position,
                               QStringList *outputs)
{
    // One run over every picture in every format: each format writes into its own folder.
    RunSnapshot run;
    run.text = QString::fromUtf8("© Corpus");
    run.position = position;
    run.outputDir = out;
    for (const QString &format : formats) {
        const QString dir = out + QLatin1Char('/') + format;
        QDir().mkpath(dir);
        run.sources << sources;
        run.outputs << assignOutputPaths(sources, dir, format).paths;
    }
    *outputs = run.outputs;
    BatchRunner runner;
    QSignalSpy done(&runner, &BatchRunner::finished);
    runner.start(run, 0);
    if (!done.wait(600000))
        return {};
    return done.at(0).at(0).value<BatchReport>();
}

void TestCorpus::everyPictureIsWrittenOrReported()
{
    QStringList sources;
    for (const char *folder : { "real", "bad" }) {
        QDirIterator it(corpusDir() + QLatin1Char('/') + QLatin1String(folder), QDir::Files);
        while (it.hasNext())
            sources << it.next();
    }
    sources.sort();
    QStringList outputs;
    const BatchReport report = runAll(sources, m_out.path() + "/all", Position::Center, &outputs);
    QCOMPARE(report.outcomes.size(), sources.size() * formats.size());

    const QStringList unreadable = { "UNREADABLE",  "truncated",    "declares-huge",
                                     "zero-height", "bad-idat-crc", "text-chunk-declares-1gib" };
    for (int i = 0; i < report.outcomes.size(); ++i) {
        const QString source = sources.at(i % sources.size());
        const QString name = QFileInfo(source).fileName();
        const QString format = formats.at(i / sources.size());
        const JobOutcome &outcome = report.outcomes.at(i);
        const QString where = name + " as " + format;
        QVERIFY2(outcome.status != JobOutcome::Status::NotStarted, qPrintable(where));
        const bool mustFail = std::any_of(
          unreadable.begin(), unreadable.end(), [&](const QString &k) { return name.contains(k); });
        if (mustFail) {
            QVERIFY2(outcome.status == JobOutcome::Status::Unreadable, qPrintable(where));
            QVERIFY2(!QFileInfo::exists(outputs.at(i)), qPrintable(where));
        }
        if (outcome.status != JobOutcome::Status::Written) {
            QVERIFY2(!outcome.reason.isEmpty(), qPrintable(where));
            continue;
        }
        // Written: it reads back at the picture's own size and carries the watermark.
        const QImage source32 = PictureReader::read(source).image;
        const QImage written = PictureReader::read(outputs.at(i)).image;
        QVERIFY2(!written.isNull(), qPrintable(where));
        QCOMPARE(written.size(), source32.size());
        if (QStringList{ "png", "tiff", "bmp", "ppm" }.contains(format))
            QVERIFY2(meanDifference(written, source32) > 0, qPrintable(where));
    }
    // The name without a suffix cannot be written in its own format; every other format works.
    const int holiday = int(sources.indexOf(QRegularExpression(".*/holidayjpg$")));
    QVERIFY(holiday >= 0);
    QCOMPARE(report.outcomes.at(holiday).status, JobOutcome::Status::NotWritten);
    QCOMPARE(report.outcomes.at(holiday + sources.size()).status, JobOutcome::Status::Written);
}

void TestCorpus::orientationsComeOutUpright()
{
    QStringList sources;
    QDirIterator it(corpusDir() + "/orientation", QDir::Files);
    while (it.hasNext())
        sources << it.next();
    sources.sort();
    QCOMPARE(sources.size(), 9);
    QStringList outputs;
    const BatchReport report =
      runAll(sources, m_out.path() + "/orient", Position::BottomRight, &outputs);
    const int png = int(formats.indexOf("png")) * int(sources.size());
    const int normal = int(sources.indexOf(QRegularExpression(".*orientation-1-normal.jpg$")));
    const QImage reference(outputs.at(png + normal));
    QCOMPARE(reference.size(), QSize(1800, 1200));
    // The text is in the bottom right corner of the upright picture.
    const QRect text = differenceArea(reference, PictureReader::read(sources.at(normal)).image);
    QVERIFY2(!text.isEmpty() && text.left() > 1200 && text.top() > 1000,
             qPrintable(QDebug::toString(text)));
    for (int i = 0; i < sources.size(); ++i) {
        QCOMPARE(report.outcomes.at(png + i).status, JobOutcome::Status::Written);
        const QImage upright(outputs.at(png + i));
        QCOMPARE(upright.size(), QSize(1800, 1200));
        // Same picture, same text place: only JPEG noise differs from the normal one.
        QVERIFY2(meanDifference(upright, reference) < 6, qPrintable(sources.at(i)));
    }
}

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
