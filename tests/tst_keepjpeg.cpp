#include <QImageReader>
#include <QTest>

#include <csetjmp>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <jpeglib.h>
#include <sys/resource.h>

#include "engine/run/runsummary.h"
#include "testsupport.h"

namespace {

// Every block's coefficients of a JPEG file, component by component, and its luma table.
struct Coefficients
{
    QList<QByteArray> components; // each: the blocks row by row
    QList<int> blocksWide;
    QByteArray lumaTable;
};

Coefficients readCoefficients(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    jpeg_read_header(&info, TRUE);
    jvirt_barray_ptr *arrays = jpeg_read_coefficients(&info);
    Coefficients result;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info &comp = info.comp_info[c];
        QByteArray blocks;
        for (JDIMENSION row = 0; row < comp.height_in_blocks; ++row) {
            JBLOCKARRAY line = info.mem->access_virt_barray(
              reinterpret_cast<j_common_ptr>(&info), arrays[c], row, 1, FALSE);
            blocks.append(reinterpret_cast<const char *>(line[0]),
                          qsizetype(comp.width_in_blocks * sizeof(JBLOCK)));
        }
        result.components << blocks;
        result.blocksWide << int(comp.width_in_blocks);
    }
    result.lumaTable =
      QByteArray(reinterpret_cast<const char *>(info.comp_info[0].quant_table->quantval),
                 sizeof(info.comp_info[0].quant_table->quantval));
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace

class TestKeepJpeg : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheMarksBlocksChange_data();
    void onlyTheMarksBlocksChange();
    void awkwardSources_data();
    void awkwardSources();
};

void TestKeepJpeg::onlyTheMarksBlocksChange_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<JpegLayout>("layout");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("fallback"); // the reason of a picture encoded again, or empty
    QTest::newRow("4:2:0") << QSize(640, 480) << JpegLayout{} << 1 << "";
    QTest::newRow("4:2:2, odd size") << QSize(333, 251) << JpegLayout{ 2, 1 } << 1 << "";
    QTest::newRow("4:4:4, turned 6") << QSize(480, 320) << JpegLayout{ 1, 1 } << 6 << "";
    QTest::newRow("grey, turned 3") << QSize(400, 300) << JpegLayout{ 1, 1, true } << 3 << "";
    QTest::newRow("progressive") << QSize(512, 384) << JpegLayout{ 2, 2, false, true } << 1 << "";
    QTest::newRow("4:2:0, odd size, turned 7") << QSize(301, 203) << JpegLayout{} << 7 << "";
    QTest::newRow("restart markers, turned 8")
      << QSize(500, 360) << JpegLayout{ 2, 2, false, false, false, 1 } << 8 << "";
    QTest::newRow("CMYK") << QSize(200, 150) << JpegLayout{ 1, 1, false, false, true } << 1
                          << "CMYK JPEG";
}

void TestKeepJpeg::onlyTheMarksBlocksChange()
{
    QFETCH(QSize, size);
    QFETCH(JpegLayout, layout);
    QFETCH(int, orientation);
    QFETCH(QString, fallback);
    TestEnvironment env;
    QTemporaryDir dir;
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(120 + x % 90, 150 + y % 70, 160 + (x * y) % 50));
    }
    const QString source = dir.filePath("src.jpg");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeJpeg(picture, layout));
    file.close();
    if (orientation != 1) {
        auto tagged = Exiv2::ImageFactory::open(source.toStdString());
        tagged->exifData()["Exif.Image.Orientation"] = uint16_t(orientation);
        tagged->writeMetadata();
    }

    RunSnapshot normal =
      testRun({ source }, dir.filePath("normal"), "Original", Position::BottomRight);
    normal.text = QStringLiteral("Stamp");
    RunSnapshot keep = normal;
    keep.outputDir = dir.filePath("keep");
    keep.outputs = QStringList(dir.filePath("keep/src.jpg"));
    keep.policy.jpegMode = JpegMode::Keep;
    QDir().mkpath(normal.outputDir);
    QDir().mkpath(keep.outputDir);
    const BatchReport reference = runToEnd(normal);
    QCOMPARE(reference.failureCount(), 0);
    const BatchReport report = runToEnd(keep);
    QCOMPARE(report.failureCount(), 0);
    const JobOutcome &outcome = report.outcomes.at(0);
    QCOMPARE(outcome.reencodedReason, fallback);
    QCOMPARE(outcome.jpegKept, fallback.isEmpty());
    // The automatic colour read the same pixels (a light picture: black at half opacity).
    QCOMPARE(outcome.pen, reference.outcomes.at(0).pen);
    if (!fallback.isEmpty()) {
        const RunSummary summary = summarizeRun(report, keep.sources, unlimitedLines);
        QVERIFY(summary.blocks.constLast().lines.join('\n').contains(fallback));
        return;
    }

    // Shown upright, the output looks like the normal path's.
    const auto upright = [](const QString &path) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        return reader.read().convertToFormat(QImage::Format_RGB32);
    };
    const QImage kept = upright(keep.outputs.at(0));
    const QImage normalOutput = upright(normal.outputs.at(0));
    const QImage original = upright(source);
    QCOMPARE(kept.size(), normalOutput.size());
    qint64 difference = 0;
    QRect drawn; // where the mark changed the picture clearly
    for (int y = 0; y < kept.height(); ++y) {
        for (int x = 0; x < kept.width(); ++x) {
            difference += qAbs(qGray(kept.pixel(x, y)) - qGray(normalOutput.pixel(x, y)));
            if (qAbs(qGray(kept.pixel(x, y)) - qGray(original.pixel(x, y))) > 40)
                drawn |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(difference < 3 * qint64(kept.width()) * kept.height(),
             qPrintable(QString::number(double(difference) / kept.width() / kept.height())));
    QVERIFY(drawn.left() > kept.width() / 2 && drawn.top() > kept.height() / 2);

    // Only the blocks under the mark differ from the source, in the source's tables.
    const Coefficients before = readCoefficients(source);
    const Coefficients after = readCoefficients(keep.outputs.at(0));
    QCOMPARE(after.lumaTable, before.lumaTable);
    QCOMPARE(after.blocksWide, before.blocksWide);
    const QSize stored = orientation >= 5 ? kept.size().transposed() : kept.size();
    int changed = 0;
    const int blockBytes = int(sizeof(JBLOCK));
    for (int c = 0; c < before.components.size(); ++c) {
        const int wide = before.blocksWide.at(c);
        const int blocks = int(before.components.at(c).size()) / blockBytes;
        const int side = c == 0 ? 8 : 8 * layout.h; // pixels a block covers across
        const int tall = c == 0 ? 8 : 8 * layout.v;
        for (int i = 0; i < blocks; ++i) {
            if (before.components.at(c).mid(i * blockBytes, blockBytes) ==
                after.components.at(c).mid(i * blockBytes, blockBytes))
                continue;
            ++changed;
            const QRect s(i % wide * side, i / wide * tall, side, tall);
            const int w = stored.width(), h = stored.height();
            const QRect u =
              orientation == 3   ? QRect(w - s.right() - 1, h - s.bottom() - 1, side, tall)
              : orientation == 6 ? QRect(h - s.bottom() - 1, s.left(), tall, side)
              : orientation == 8 ? QRect(s.top(), w - s.right() - 1, tall, side)
              : orientation == 7 ? QRect(h - s.bottom() - 1, w - s.right() - 1, tall, side)
                                 : s;
            QVERIFY2(u.intersects(drawn.adjusted(-4, -4, 4, 4)),
                     qPrintable(QStringLiteral("component %1 block %2").arg(c).arg(i)));
        }
    }
    QVERIFY(changed > 0);
}

void TestKeepJpeg::awkwardSources_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("fallback"); // the reason for the normal path, or empty: kept
    QTest::newRow("fractional sampling (3×1 luma, 2×1 chroma)") << "fractional"
                                                                << "JPEG with fractional sampling";
    QTest::newRow("truncated in its scan") << "truncated"
                                           << "Premature end of JPEG file";
    QTest::newRow("padded to 3 GB after its end") << "padded"
                                                  << "";
}

void TestKeepJpeg::awkwardSources()
{
    QFETCH(QString, kind);
    QFETCH(QString, fallback);
    TestEnvironment env;
    QTemporaryDir dir;
    QImage picture(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 200, y % 180, (x * y) % 160));
    }
    QByteArray bytes = encodeJpeg(picture, JpegLayout{ kind == "fractional" ? 3 : 2, 1 });
    if (kind == "fractional") {
        // The start of frame lists id, sampling, table per component: chroma becomes 2×1.
        const qsizetype sof = bytes.indexOf("\xff\xc0");
        QVERIFY(sof > 0 && bytes.at(sof + 9) == 3);
        bytes[sof + 10 + 3 + 1] = char(0x21);
        bytes[sof + 10 + 6 + 1] = char(0x21);
    } else if (kind == "truncated") {
        bytes.truncate(bytes.size() * 3 / 5);
    }
    const QString source = writeFile(dir.filePath("src.jpg"), bytes);
    if (kind == "padded") {
        // Sparse: the file system stores none of it, a reader of the whole file would.
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(qint64(3) << 30));
    }
    RunSnapshot keep = testRun({ source }, dir.filePath("out"), "Original");
    keep.policy.jpegMode = JpegMode::Keep;
    QDir().mkpath(keep.outputDir);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const BatchReport report = runToEnd(keep);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const JobOutcome &outcome = report.outcomes.at(0);
    QCOMPARE(outcome.reencodedReason, fallback);
    QCOMPARE(outcome.jpegKept, fallback.isEmpty());
    // Peak memory, in KiB: the picture's few hundred kilobytes, never the padding.
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < (512 << 10),
             qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
}

QTEST_MAIN(TestKeepJpeg)
#include "tst_keepjpeg.moc"
