// Runs Quorlane's batch job without a window and prints its throughput and peak memory.
// Usage: bench_batch <corpus folder> <output folder> <original|thumbnails|N> <workers, 0 = all>
//        [12|48|all|PREFIX] [metadata choice, default none] [watermark text]
//        [plain|dressed|tile|auto] [output format, default jpg] [encode|keep|whole]
// N: a long edge of N pixels. whole: encoded from the whole decode (no shrink on load); keep: the
// keep-JPEG mode.
// dressed: outline, shadow and a logo; auto: the automatic position. PREFIX: the PREFIX-* pictures
// in the corpus folder, such as the HEIC (h12) and progressive (q12, q48) copies bench/run makes of
// the 12 and 48 MP sets. "make" as the only argument pair (bench_batch <corpus folder> make) just
// makes the corpus.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

#include "benchsupport.h"
#include "engine/mark/positions.h"
#include "engine/output/outputnames.h"
#include "engine/run/batchrunner.h"
#include "settings/constants.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(
          stderr,
          "usage: bench_batch <corpus> <out> <original|thumbnails> <workers> [12|48|all]\n");
        return 2;
    }
    const QString corpus = args.at(1);
    const QStringList p12 = makePhotos(corpus, QStringLiteral("p12"), 24, QSize(4000, 3000));
    const QStringList p48 = makePhotos(corpus, QStringLiteral("p48"), 4, QSize(8000, 6000));
    makePhotos(corpus, QStringLiteral("p24"), 8, QSize(6000, 4000));
    if (args.at(2) == QLatin1String("make"))
        return 0;

    const QString outDir = args.at(2);
    const bool thumbnails = args.value(3) == QLatin1String("thumbnails");
    const int longEdge = args.value(3).toInt();
    const int workers = args.value(4).toInt();
    const QString set = args.value(5, QStringLiteral("all"));
    const int metadata = choiceIndex(metadataChoiceNames,
                                     args.value(6, QStringLiteral("none")).toLatin1().constData());
    QDir().mkpath(outDir);

    RunSnapshot run;
    run.text = args.value(7, QString::fromUtf8("© Name\nComments"));
    const QString effects = args.value(8, QStringLiteral("plain"));
    if (effects == QLatin1String("dressed")) {
        run.style.effects.outline = true;
        run.style.effects.shadow = true;
        QImage logo(400, 200, QImage::Format_ARGB32_Premultiplied);
        logo.fill(QColor(30, 80, 120, 200));
        run.style.effects.logo = logo;
    } else if (effects == QLatin1String("tile")) {
        run.style.effects.tile = true;
        run.style.effects.angle = 30;
    } else if (effects == QLatin1String("auto")) {
        run.style.effects.autoPosition = true;
    }
    run.position = Position::BottomRight;
    run.outputSize = longEdge > 0 ? OutputSize::longEdge(longEdge)
                     : thumbnails ? OutputSize(outputSizes.at(4).size)
                                  : OutputSize();
    run.outputDir = outDir;
    run.policy.metadata = metadata < 0 ? MetadataChoice::None : MetadataChoice(metadata);
    if (set != QLatin1String("12") && set != QLatin1String("48") && set != QLatin1String("all")) {
        for (const QString &name : QDir(corpus).entryList({ set + QStringLiteral("-*") }))
            run.sources << corpus + QLatin1Char('/') + name;
    } else {
        if (set != QLatin1String("48"))
            run.sources << p12;
        if (set != QLatin1String("12"))
            run.sources << p48;
    }
    const QString format = args.value(9, QStringLiteral("jpg"));
    if (args.value(10) == QLatin1String("keep"))
        run.policy.jpegMode = JpegMode::Keep;
    run.shrinkOnLoad = args.value(10) != QLatin1String("whole");
    run.outputs = assignOutputPaths(run.sources, outDir, format).paths;

    BatchRunner runner;
    QEventLoop loop;
    BatchReport report;
    QObject::connect(&runner, &BatchRunner::finished, [&](const BatchReport &r) {
        report = r;
        loop.quit();
    });
    const int used = workers > 0 ? workers : BatchRunner::workerCount(run);
    QElapsedTimer clock;
    clock.start();
    runner.start(run, used);
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    qint64 bytes = 0;
    for (const QString &output : run.outputs)
        bytes += QFileInfo(output).size();
    std::printf("pictures %d failed %d workers %d seconds %.3f per_second %.2f peak_mb %.0f "
                "bytes %lld\n",
                int(run.sources.size()),
                report.failureCount(),
                used,
                seconds,
                run.sources.size() / seconds,
                peakMemoryMB(),
                bytes);
    return report.failureCount() == 0 ? 0 : 1;
}
