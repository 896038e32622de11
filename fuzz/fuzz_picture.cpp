// Runs one picture's batch job (read, stamp, scale, save) on arbitrary file contents.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include "engine/picturereader.h"
#include "engine/positions.h"
#include "engine/watermarkjob.h"

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    folder = new QTemporaryDir;
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
    run.outputs = { folder->filePath(size % 3 ? QStringLiteral("out.png")
                                              : QStringLiteral("out.jpg")) };
    DecodeBuffer buffer;
    runWatermarkJob(run, 0, buffer);
    return 0;
}
