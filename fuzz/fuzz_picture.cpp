// Runs one picture's batch job (read with metadata, stamp, scale, save with metadata) on
// arbitrary file contents.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include "engine/imageio/picturemetadata.h"
#include "engine/imageio/picturereader.h"
#include "engine/mark/positions.h"
#include "engine/run/watermarkjob.h"

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    folder = new QTemporaryDir;
    PictureMetadata::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString source = folder->filePath(QStringLiteral("input"));
    {
        QFile file(source);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    RunSnapshot run;
    run.text = QString::fromUtf8("© Fuzz\nline");
    run.position = Position::all[size % Position::all.size()];
    run.outputSize = QSize(64, 48); // keeps each run short whatever size the input declares
    run.sources = { source };
    static const char *const outputs[] = { "out.png", "out.jpg", "out.tiff", "out.webp" };
    run.outputs = { folder->filePath(QLatin1String(outputs[size % 4])) };
    run.policy.metadata = MetadataChoice((size / 4) % 4);
    run.policy.copyrightFromText = size % 2;
    DecodeBuffer buffer;
    runWatermarkJob(run, 0, buffer);
    return 0;
}
