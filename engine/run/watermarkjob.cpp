#include "watermarkjob.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <optional>

#include "calmplace.h"
#include "heifcodec.h"
#include "jpegkeeper.h"
#include "outputfile.h"
#include "picturemetadata.h"
#include "picturereader.h"
#include "watermark.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(WatermarkJob)
};

bool formatKeepsAlpha(const QByteArray &format)
{
    static const QList<QByteArray> withAlpha = { "png", "tif",  "tiff", "xpm",  "webp",
                                                 "ico", "avif", "heic", "heif", "hif" };
    return withAlpha.contains(format);
}

// Writers of formats without alpha keep whatever colour lies under transparent pixels; show
// the picture as a viewer does instead, on white.
QImage flattenedOnWhite(const QImage &image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.setColorSpace(image.colorSpace());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// Files of these formats carry no colour profile: their pixels must be sRGB already.
bool formatHoldsProfile(const QByteArray &format)
{
    static const QList<QByteArray> withoutProfile = { "bmp", "ppm", "xpm" };
    return !withoutProfile.contains(format);
}

// Drawing happens after this, so the text keeps the sRGB colour the user chose.
void convertToSrgb(QImage &image)
{
    const QColorSpace srgb(QColorSpace::SRgb);
    if (image.colorSpace().isValid() && image.colorSpace() != srgb)
        image.convertToColorSpace(srgb);
}

// The EXIF orientation (1 to 8) the reader turned a picture upright by.
int exifOrientation(QImageIOHandler::Transformations t)
{
    switch (int(t)) {
        case QImageIOHandler::TransformationMirror:
            return 2;
        case QImageIOHandler::TransformationRotate180:
            return 3;
        case QImageIOHandler::TransformationFlip:
            return 4;
        case QImageIOHandler::TransformationFlipAndRotate90: // the transpose
            return 5;
        case QImageIOHandler::TransformationRotate90:
            return 6;
        case QImageIOHandler::TransformationMirrorAndRotate90: // the transverse
            return 7;
        case QImageIOHandler::TransformationRotate270:
            return 8;
        default:
            return 1;
    }
}

// What the keep-JPEG mode needs of one picture: the source's bytes, orientation and upright size,
// or why the picture is encoded again. Reads the header only.
struct KeepPlan
{
    QString problem;
    QByteArray bytes;
    int orientation = 1;
    QSize size;
};

KeepPlan planKeeping(const RunSnapshot &run, const QString &source, const QByteArray &format)
{
    KeepPlan plan;
    const auto refuse = [&plan](const QString &why) {
        plan.problem = why;
        return plan;
    };
    if (run.outputSize.isValid())
        return refuse(Text::tr("resized"));
    if (format != "jpg" && format != "jpeg")
        return refuse(Text::tr("written in another format"));
    if (run.style.effects.tile)
        return refuse(Text::tr("tiled watermark"));
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    // The header first: only a JPEG within the limits is read whole, and only as far as its
    // scans can reach (a small picture padded to gigabytes costs no more than the picture).
    plan.bytes = JpegKeeper::readHeader(file);
    if (!plan.bytes.startsWith("\xff\xd8"))
        return refuse(Text::tr("not a JPEG"));
    const JpegKeeper::Header header = JpegKeeper::inspect(plan.bytes);
    if (!header.problem.isEmpty())
        return refuse(header.problem);
    // The reader refuses what it would not allocate; so does this path.
    if (qint64(header.size.width()) * header.size.height() * 4 >
        qint64(PictureReader::allocationLimitMB) << 20)
        return refuse(Text::tr("too large"));
    const QColorSpace space = header.iccProfile.isEmpty()
                                ? QColorSpace(QColorSpace::SRgb)
                                : QColorSpace::fromIccProfile(header.iccProfile);
    if (run.policy.colour == ColourChoice::Srgb && space.isValid() &&
        space != QColorSpace(QColorSpace::SRgb))
        return refuse(Text::tr("converted to sRGB"));
    QImageReader reader(source);
    plan.orientation = exifOrientation(reader.transformation());
    // Without metadata nothing could say how to turn the pixels.
    if (plan.orientation != 1 && !run.policy.touchesMetadata())
        return refuse(Text::tr("turned, without metadata"));
    plan.size = plan.orientation >= 5 ? header.size.transposed() : header.size;
    plan.bytes +=
      file.read(std::max<qint64>(0, JpegKeeper::maxFileSize(header) - plan.bytes.size()));
    return plan;
}

// The text as a one-line copyright notice.
QString copyrightNotice(const QString &text)
{
    return text.split(QLatin1Char('\n')).join(QStringLiteral(", "));
}

// The keep-JPEG path: the mark drawn on the part of the picture it reaches, only its blocks
// encoded again, the metadata put back with the orientation kept. Empty when the picture takes
// the normal path; outcome.reencodedReason says why.
QByteArray stampKeeping(const RunSnapshot &run,
                        const QString &source,
                        const PictureMetadata &metadata,
                        const KeepPlan &keep,
                        JobOutcome &outcome)
{
    const QString text =
      run.text.filled(FieldValues::of(QFileInfo(source).fileName(), keep.size, metadata));
    // The whole picture is never decoded here: its eighth-size decode is measured.
    const int position =
      run.style.effects.autoPosition
        ? CalmPlace::calmestPosition(CalmPlace::measureOf(PictureReader::readEighth(source).image),
                                     keep.size,
                                     text,
                                     run.position,
                                     run.style)
        : run.position;
    const QRect reach = watermarkReach(keep.size, text, position, run.style);
    JpegKeeper::Result kept =
      JpegKeeper::stamp(keep.bytes, keep.orientation, reach, [&](QImage &picture) {
          const StampResult stamped = stampWatermark(picture, text, position, run.style);
          outcome.pen = stamped.pen;
          outcome.position = position;
          return stamped.drawn;
      });
    outcome.reencodedReason = kept.problem;
    if (kept.bytes.isEmpty())
        return QByteArray();
    outcome.jpegKept = true;
    outcome.status = JobOutcome::Status::NotWritten;
    if (run.policy.touchesMetadata()) {
        PictureMetadata::Target stored;
        stored.choice = run.policy.metadata;
        stored.size = keep.orientation >= 5 ? keep.size.transposed() : keep.size;
        stored.orientation = keep.orientation;
        if (run.policy.copyrightFromText)
            stored.copyrightNotice = copyrightNotice(text);
        outcome.metadataReason = metadata.insertInto(kept.bytes, stored);
    }
    return kept.bytes;
}

// The size a picture must be decoded at least at: its output size when the run writes it
// smaller, so that a JPEG can be decoded at a cheaper scale; invalid for the whole picture.
QSize decodeMinimum(const RunSnapshot &run, const QString &source)
{
    if (!run.shrinkOnLoad || !run.outputSize.isValid())
        return QSize();
    const QSize declared = PictureReader::declaredSize(source);
    if (!declared.isValid())
        return QSize();
    return outputSizeFor(declared, run.outputSize.box, run.outputSize.mode(run.policy.resize));
}

// The normal path: the picture read (at a smaller scale when it is written smaller), stamped as
// the whole picture would be, scaled and encoded, its metadata copied. Empty when it fails;
// outcome says why.
QByteArray stampAndEncode(const RunSnapshot &run,
                          const QString &source,
                          const QByteArray &format,
                          const PictureMetadata &metadata,
                          const std::optional<HeifCodec::File> &heif,
                          DecodeBuffer &buffer,
                          JobOutcome &outcome)
{
    PictureReader::Result read =
      heif ? PictureReader::read(*heif) : buffer.read(source, decodeMinimum(run, source));
    if (!read.ok()) {
        outcome.reason = read.error;
        return QByteArray();
    }
    outcome.incomplete = read.incomplete;
    if (!read.incomplete.isEmpty() && !run.publishesIncomplete) {
        outcome.reason = read.incomplete;
        return QByteArray();
    }
    // Moved, not copied: a second reference would make the painter copy the whole picture.
    // Every size of the mark's layout is the whole picture's, however it was decoded.
    const QSize frame = read.fullSize;
    QImage image = std::move(read.image);
    const QString text =
      run.text.filled(FieldValues::of(QFileInfo(source).fileName(), frame, metadata));
    // Measured on the picture as read, as the preview measures it.
    const int position = CalmPlace::positionOn(image, frame, text, run.position, run.style);
    if (run.policy.colour == ColourChoice::Srgb || !formatHoldsProfile(format))
        convertToSrgb(image);
    const StampResult stamped = stampWatermark(image, frame, text, position, run.style);
    outcome.pen = stamped.pen;
    outcome.position = position;
    outcome.status = JobOutcome::Status::NotWritten;
    if (!stamped.drawn) {
        outcome.reason = Text::tr("there is not enough memory to draw the watermark");
        return QByteArray();
    }
    if (run.outputSize.isValid()) {
        const QSize size =
          outputSizeFor(frame, run.outputSize.box, run.outputSize.mode(run.policy.resize));
        if (size != image.size())
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.hasAlphaChannel() && !formatKeepsAlpha(format))
        image = flattenedOnWhite(image);

    const bool copiesMetadata = run.policy.touchesMetadata();
    PictureMetadata::Target kept;
    kept.choice = run.policy.metadata;
    kept.size = image.size();
    if (run.policy.copyrightFromText)
        kept.copyrightNotice = copyrightNotice(text);
    QByteArray bytes;
    if (HeifCodec::writes(format)) {
        // The metadata goes in with the picture: the metadata library cannot write these files.
        const MetadataBlocks blocks = copiesMetadata ? metadata.blocksFor(kept) : MetadataBlocks();
        HeifCodec::Encoded encoded =
          HeifCodec::encode(image, format, run.policy.jpegQuality, blocks);
        bytes = std::move(encoded.bytes);
        outcome.reason = encoded.error;
        QStringList lost{ blocks.error, encoded.metadataError };
        lost.removeAll(QString());
        outcome.metadataReason = lost.join(QStringLiteral("; "));
    } else {
        bytes = encodePicture(image, format, run.policy.jpegQuality, &outcome.reason);
        if (!bytes.isEmpty() && copiesMetadata && PictureMetadata::formatHoldsMetadata(format))
            outcome.metadataReason = metadata.insertInto(bytes, kept);
    }
    return bytes;
}

} // namespace

QString outputSizeProblem(const QByteArray &format, const QSize &size)
{
    constexpr int maxWebpSide = 16383;
    if (format == "webp" && (size.width() > maxWebpSide || size.height() > maxWebpSide))
        return Text::tr("a WebP picture holds at most %1 pixels a side").arg(maxWebpSide);
    return QString();
}

QSize outputSizeFor(const QSize &source, const QSize &box, ResizeMode mode)
{
    if (mode == ResizeMode::Stretch)
        return box;
    if (source.width() <= box.width() && source.height() <= box.height())
        return source;
    return source.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

JobOutcome runWatermarkJob(const RunSnapshot &run, int index, DecodeBuffer &buffer)
{
    JobOutcome outcome;
    outcome.status = JobOutcome::Status::Unreadable; // until it is read
    const QString &source = run.sources.at(index);
    const QString &output = run.outputs.at(index);
    if (index < run.skipped.size() && run.skipped.at(index)) {
        outcome.status = JobOutcome::Status::Skipped;
        return outcome;
    }
    if (const QString problem = PictureReader::fileProblem(source); !problem.isEmpty()) {
        outcome.reason = problem; // before the metadata library opens it: a FIFO would block
        return outcome;
    }
    // Read once, before drawing; the copy into the output reuses it.
    const bool copiesMetadata = run.policy.touchesMetadata();
    // A HEIF-family file is parsed once for its metadata and its pixels.
    const std::optional<HeifCodec::File> heif =
      HeifCodec::isHeifFile(source) ? std::optional(HeifCodec::File::open(source)) : std::nullopt;
    const bool readsMetadata = copiesMetadata || run.text.needsMetadata();
    const PictureMetadata metadata = !readsMetadata ? PictureMetadata()
                                     : heif         ? PictureMetadata::fromBlocks(heif->metadata())
                                                    : PictureMetadata::read(source);

    // The output folder may hold the sources: never replace any picture of the run. Only
    // "Replace" can; the directory entry is what it replaces, so a link there is no source.
    if (run.policy.existingFiles == ExistingFiles::Replace) {
        const std::optional<FileIdentity> target = identityOf(output, false);
        if (target && run.sourceFiles.contains(*target)) {
            outcome.status = JobOutcome::Status::NotWritten;
            outcome.reason = Text::tr("it would replace a source picture of this run");
            return outcome;
        }
    }
    const QByteArray format = QFileInfo(output).suffix().toLower().toLatin1();
    // Refused from the header, before the picture is decoded for nothing.
    const QSize declared = format == "webp" ? PictureReader::declaredSize(source) : QSize();
    const QSize written =
      run.outputSize.isValid() && declared.isValid()
        ? outputSizeFor(declared, run.outputSize.box, run.outputSize.mode(run.policy.resize))
        : declared;
    if (const QString problem = outputSizeProblem(format, written); !problem.isEmpty()) {
        outcome.status = JobOutcome::Status::NotWritten;
        outcome.reason = problem;
        return outcome;
    }
    QByteArray bytes;
    if (run.policy.jpegMode == JpegMode::Keep) {
        const KeepPlan keep = planKeeping(run, source, format);
        outcome.reencodedReason = keep.problem;
        if (keep.problem.isEmpty())
            bytes = stampKeeping(run, source, metadata, keep, outcome);
    }
    if (!outcome.jpegKept)
        bytes = stampAndEncode(run, source, format, metadata, heif, buffer, outcome);
    if (bytes.isEmpty())
        return outcome;

    const PublishResult published =
      publishFile(bytes, output, run.policy.existingFiles, run.outputs);
    outcome.output = published.path;
    outcome.reason = published.error;
    if (published.skipped)
        outcome.status = JobOutcome::Status::Skipped;
    else if (published.error.isEmpty())
        outcome.status = JobOutcome::Status::Written;
    return outcome;
}
