#include "watermarkjob.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include "picturereader.h"

namespace {

bool formatKeepsAlpha(const QByteArray &format)
{
    static const QList<QByteArray> withAlpha = { "png", "tif", "tiff", "xpm", "webp", "ico" };
    return withAlpha.contains(format);
}

// Writers of formats without alpha keep whatever colour lies under transparent pixels; show
// the picture as a viewer does instead, on white.
QImage flattenedOnWhite(const QImage &image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("WatermarkJob", text);
}

} // namespace

QString saveImageAtomically(const QImage &image, const QString &path)
{
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty())
        return tr("the file name has no suffix to choose an image format by");
    if (!QImageWriter::supportedImageFormats().contains(format))
        return tr("no image writer for the suffix \"%1\"").arg(QString::fromLatin1(format));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString();
    }
    // commit() does not notice a failed write (a full disk): check before committing.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

JobOutcome runWatermarkJob(const RunSnapshot &run, int index, DecodeBuffer &buffer)
{
    JobOutcome outcome;
    PictureReader::Result read = buffer.read(run.sources.at(index));
    if (!read.ok()) {
        outcome.reason = read.error;
        return outcome;
    }
    // Moved, not copied: a second reference would make the painter copy the whole picture.
    QImage image = std::move(read.image);
    outcome.pen = stampWatermark(image, run.text, run.position, run.style).pen;

    const QString &output = run.outputs.at(index);
    // The output folder may be the sources' own folder: never replace a source picture.
    const QString target = QFileInfo(output).canonicalFilePath();
    if (!target.isEmpty() && target == QFileInfo(run.sources.at(index)).canonicalFilePath()) {
        outcome.status = JobOutcome::Status::NotWritten;
        outcome.reason = tr("it would replace the source picture");
        return outcome;
    }
    if (run.outputSize.isValid())
        image = image.scaled(run.outputSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel() &&
        !formatKeepsAlpha(QFileInfo(output).suffix().toLower().toLatin1()))
        image = flattenedOnWhite(image);

    const QString error = saveImageAtomically(image, output);
    outcome.status = error.isEmpty() ? JobOutcome::Status::Written : JobOutcome::Status::NotWritten;
    outcome.reason = error;
    return outcome;
}
