#include "picturereader.h"

#include <cstring>

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include "heifcodec.h"
#include "picturemetadata.h"
#include "scaledjpeg.h"

#include <cerrno>
#include <mutex>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PictureReader)
};

// The JPEG decoder's warnings while this thread reads a picture: libjpeg says "Premature end of
// JPEG file" and fills the rest with grey, which must not pass for a whole picture.
thread_local QStringList *decoderWarnings = nullptr;
QtMessageHandler nextHandler = nullptr;

void catchDecoderWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const bool decoder = context.category && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0;
    if (decoderWarnings && decoder && (type == QtWarningMsg || type == QtInfoMsg)) {
        if (ScaledJpeg::losesScanData(text))
            decoderWarnings->append(text);
        return;
    }
    if (nextHandler)
        nextHandler(type, context, text);
}

// Collects the decoder's warnings for as long as it lives.
class WarningCatcher
{
public:
    WarningCatcher() { decoderWarnings = &m_warnings; }
    ~WarningCatcher() { decoderWarnings = nullptr; }
    QString incomplete() const { return m_warnings.isEmpty() ? QString() : m_warnings.first(); }

private:
    QStringList m_warnings;
};

// The same rules for every read: EXIF orientation applied, and an allocation limit raised from
// Qt's 128 MB (which refuses a 48-megapixel photo) to one that still refuses absurd headers.
void prepare(QImageReader &reader)
{
    static std::once_flag once;
    std::call_once(once, [] {
        QImageReader::setAllocationLimit(PictureReader::allocationLimitMB);
        nextHandler = qInstallMessageHandler(catchDecoderWarnings);
    });
    // The orientation is applied by upright(): Qt 6.4's own rotation loses the colour profile.
    reader.setAutoTransform(false);
}

// The picture as the camera held it (EXIF orientation applied), with its colour profile.
QImage upright(QImage image, QImageIOHandler::Transformations transformation)
{
    if (transformation == QImageIOHandler::TransformationNone || image.isNull())
        return image;
    const QColorSpace colorSpace = image.colorSpace();
    if (transformation == QImageIOHandler::TransformationRotate270) {
        image = image.transformed(QTransform().rotate(270));
    } else {
        image = image.mirrored(transformation & QImageIOHandler::TransformationMirror,
                               transformation & QImageIOHandler::TransformationFlip);
        if (transformation & QImageIOHandler::TransformationRotate90)
            image = image.transformed(QTransform().rotate(90));
    }
    image.setColorSpace(colorSpace);
    return image;
}

bool needsConversion(QImage::Format format)
{
    switch (format) {
        case QImage::Format_Indexed8:
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Grayscale8:
        case QImage::Format_Grayscale16:
        case QImage::Format_Alpha8:
            return true;
        default:
            return false;
    }
}

PictureReader::Result finish(const QImageReader &reader, QImage image)
{
    PictureReader::Result result;
    if (image.isNull())
        result.error = reader.errorString();
    else
        result.image = PictureReader::paintable(upright(std::move(image), reader.transformation()));
    result.fullSize = result.image.size();
    return result;
}

// libtiff allocates for every sample a TIFF declares before it finds out that it cannot decode
// them: a 266 × 900 picture with 65535 samples per pixel asks for gigabytes. No picture Qt can read
// has more than a few samples per pixel, so more than this is refused before decoding.
constexpr int maxTiffSamples = 16;

// Why the TIFF at path is refused, or empty. Reads the first directory's SamplesPerPixel, in a
// classic TIFF (32-bit offsets, 12-byte entries) or a BigTIFF (64-bit offsets, 20-byte entries).
QString tiffLayoutProblem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray head = file.read(16);
    const bool little = head.startsWith("II");
    if (head.size() < 8 || (!little && !head.startsWith("MM")))
        return QString();
    const auto u16 = [little](const char *p) {
        const auto *bytes = reinterpret_cast<const uchar *>(p);
        return little ? qFromLittleEndian<quint16>(bytes) : qFromBigEndian<quint16>(bytes);
    };
    const auto u32 = [little](const char *p) {
        const auto *bytes = reinterpret_cast<const uchar *>(p);
        return little ? qFromLittleEndian<quint32>(bytes) : qFromBigEndian<quint32>(bytes);
    };
    const auto u64 = [little](const char *p) {
        const auto *bytes = reinterpret_cast<const uchar *>(p);
        return little ? qFromLittleEndian<quint64>(bytes) : qFromBigEndian<quint64>(bytes);
    };
    const quint16 version = u16(head.constData() + 2);
    const bool big = version == 43;
    if ((version != 42 && !big) || (big && head.size() < 16))
        return QString(); // not a TIFF: left to the reader
    const quint64 directory = big ? u64(head.constData() + 8) : u32(head.constData() + 4);
    if (directory > quint64(file.size()) || !file.seek(qint64(directory)))
        return QString();
    const QByteArray count = file.read(big ? 8 : 2);
    if (count.size() < (big ? 8 : 2))
        return QString();
    const int entrySize = big ? 20 : 12;
    const quint64 entriesDeclared = big ? u64(count.constData()) : u16(count.constData());
    const QByteArray entries =
      file.read(qint64(std::min<quint64>(entriesDeclared, 4096)) * entrySize);
    for (int at = 0; at + entrySize <= entries.size(); at += entrySize) {
        const char *entry = entries.constData() + at;
        constexpr quint16 samplesPerPixel = 0x115;
        constexpr quint16 shortType = 3;
        if (u16(entry) != samplesPerPixel)
            continue;
        const char *value = entry + (big ? 12 : 8);
        const quint32 samples = u16(entry + 2) == shortType ? u16(value) : u32(value);
        if (samples > maxTiffSamples) {
            return QCoreApplication::translate("PictureReader",
                                               "the picture declares %1 samples per pixel")
              .arg(samples);
        }
    }
    return QString();
}

// Why the PNG at path is refused, or empty. libpng allocates (and clears) the length a text,
// profile or unknown chunk declares before it reads the data: a 57-byte file declaring a 1 GiB
// chunk costs seconds of work and a gigabyte of memory before it fails. A chunk other than image
// data that runs past the end of the file is refused before decoding; the image data itself is
// streamed, so a cut there is left to the decoder.
QString pngLayoutProblem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const qint64 size = file.size();
    constexpr qint64 signature = 8;
    constexpr qint64 chunkFrame = 12; // length, type and CRC
    for (qint64 at = signature; file.seek(at);) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            break;
        const qint64 length = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        if (type == "IEND")
            break;
        if (at + chunkFrame + length > size) {
            if (type == "IDAT")
                break;
            return QCoreApplication::translate(
                     "PictureReader", "the picture is damaged: its %1 chunk runs past the end")
              .arg(QString::fromLatin1(type));
        }
        at += chunkFrame + length;
    }
    return QString();
}

// Refuses what must not reach the decoder; an empty string when the picture may be read.
QString refusal(QImageReader &reader, const QString &path)
{
    if (const QString problem = PictureReader::fileProblem(path); !problem.isEmpty())
        return problem;
    if (reader.format() == "tiff")
        return tiffLayoutProblem(path);
    return reader.format() == "png" ? pngLayoutProblem(path) : QString();
}

PictureReader::Result refused(const QString &why)
{
    PictureReader::Result result;
    result.error = why;
    return result;
}

// HEIF-family files are read by their own codec, which applies their own orientation; nothing
// when path is some other picture (or no file to open: the usual reader says why).
std::optional<PictureReader::Result> heifPicture(const QString &path)
{
    if (!PictureReader::fileProblem(path).isEmpty() || !HeifCodec::isHeifFile(path))
        return std::nullopt;
    return PictureReader::read(HeifCodec::File::open(path));
}

// A camera's EXIF thumbnail is a few hundred pixels wide; anything larger is not one.
constexpr int maxEmbeddedSide = 1024;
constexpr qint64 maxThumbnailBytes = qint64(maxEmbeddedSide) * maxEmbeddedSide * 4;

// The thumbnail stored in the EXIF block of the picture reader reads, upright, or null.
QImage embeddedThumbnail(const QString &path, const QImageReader &reader)
{
    QByteArray bytes = PictureMetadata::read(path).embeddedThumbnail();
    if (bytes.isEmpty())
        return QImage();
    QBuffer buffer(&bytes);
    QImageReader thumbnail(&buffer, "jpeg");
    prepare(thumbnail);
    const QSize size = thumbnail.size();
    if (!size.isValid() || size.width() > maxEmbeddedSide || size.height() > maxEmbeddedSide)
        return QImage();
    return upright(thumbnail.read(), reader.transformation());
}

// What reader (prepared, not refused) gives at an eighth of each side for a JPEG: exactly
// libjpeg's size at 1/8, so that Qt's reader decodes at that scale and resamples nothing. Any
// other picture is read whole.
PictureReader::Result eighthOf(QImageReader &reader)
{
    const QSize size = reader.size();
    if (reader.format() == "jpeg" && size.isValid())
        reader.setScaledSize(QSize((size.width() + 7) / 8, (size.height() + 7) / 8));
    return finish(reader, reader.read());
}

// A second image on the same pixels: it owns no memory and has no text metadata.
QImage viewOf(QImage &storage)
{
    return QImage(
      storage.bits(), storage.width(), storage.height(), storage.bytesPerLine(), storage.format());
}

// Memory for a 32-bit picture in whole 2 MiB pages where the kernel gives them: with 4 KiB pages a
// 24-megapixel buffer costs some 24,000 page faults when it is first written, and as many TLB
// entries each time it is read. Null when the mapping fails (the reader then allocates itself).
QImage hugePageImage(const QSize &size)
{
    constexpr size_t hugePage = size_t(2) << 20;
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (size.isEmpty() || bytes > size_t(PictureReader::allocationLimitMB) << 20)
        return QImage();
    // One huge page more than needed, so that the pixels can start on a huge page's boundary.
    const size_t mapped = bytes + hugePage;
    void *memory =
      mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return QImage();
    auto *start = reinterpret_cast<uchar *>((reinterpret_cast<quintptr>(memory) + hugePage - 1) &
                                            ~quintptr(hugePage - 1));
    madvise(start, bytes, MADV_HUGEPAGE);
    struct Mapping
    {
        void *memory;
        size_t length;
    };
    return QImage(
      start,
      size.width(),
      size.height(),
      bytesPerLine,
      QImage::Format_RGB32,
      [](void *info) {
          auto *mapping = static_cast<Mapping *>(info);
          munmap(mapping->memory, mapping->length);
          delete mapping;
      },
      new Mapping{ memory, mapped });
}

} // namespace

namespace PictureReader {

bool isPicture(const QString &path)
{
    return fileProblem(path).isEmpty() &&
           (HeifCodec::isHeifFile(path) || !QImageReader::imageFormat(path).isEmpty());
}

QString fileProblem(const QString &path)
{
    if (path.startsWith(QLatin1Char(':')))
        return QString(); // compiled into the program
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // Names the locale cannot decode arrive with replacement characters.
        if (errno == ENOENT && path.contains(QChar::ReplacementCharacter))
            return Text::tr("the file name is not valid UTF-8 in this locale");
        return qt_error_string(errno);
    }
    if (S_ISREG(info.st_mode))
        return QString();
    if (S_ISDIR(info.st_mode))
        return Text::tr("it is a folder");
    if (S_ISFIFO(info.st_mode))
        return Text::tr("it is a FIFO, not a regular file");
    if (S_ISSOCK(info.st_mode))
        return Text::tr("it is a socket, not a regular file");
    return Text::tr("it is a device, not a regular file");
}

QImage paintable(QImage image)
{
    if (!needsConversion(image.format()))
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

Result read(const HeifCodec::File &file)
{
    HeifCodec::Decoded decoded = file.decode(qint64(allocationLimitMB) << 20);
    Result result;
    result.image = std::move(decoded.image);
    result.error = decoded.error;
    result.fullSize = result.image.size();
    return result;
}

Result read(const QString &path)
{
    if (std::optional<Result> heif = heifPicture(path))
        return *heif;
    QImageReader reader(path);
    prepare(reader);
    if (const QString why = refusal(reader, path); !why.isEmpty())
        return refused(why);
    const WarningCatcher catcher;
    Result result = finish(reader, reader.read());
    result.incomplete = catcher.incomplete();
    return result;
}

QSize declaredSize(const QString &path)
{
    if (!fileProblem(path).isEmpty())
        return QSize();
    QImageReader reader(path);
    prepare(reader);
    const bool heif = HeifCodec::isHeifFile(path);
    if (!heif && !refusal(reader, path).isEmpty())
        return QSize();
    const QSize size = heif ? HeifCodec::declaredSize(path) : reader.size();
    // A header declaring more than the reader will ever allocate is refused when read.
    if (!size.isValid() || qint64(size.width()) * size.height() * 4 > qint64(allocationLimitMB)
                                                                        << 20)
        return QSize();
    if (heif)
        return size;
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed()
                                                                             : size;
}

Result readScaled(const QString &path, const QSize &size)
{
    if (std::optional<Result> heif = heifPicture(path)) {
        if (heif->ok())
            heif->image = heif->image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return *heif;
    }
    QImageReader reader(path);
    prepare(reader);
    if (const QString why = refusal(reader, path); !why.isEmpty())
        return refused(why);
    reader.setScaledSize(size);
    return finish(reader, reader.read());
}

Result readThumbnail(const QString &path, int edge)
{
    const auto fitted = [edge](Result result) {
        if (result.ok())
            result.image = paintable(
              result.image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        return result;
    };
    if (const QString why = fileProblem(path); !why.isEmpty())
        return refused(why);
    if (HeifCodec::isHeifFile(path)) {
        const HeifCodec::File file = HeifCodec::File::open(path);
        Result stored;
        stored.image = file.thumbnail(maxThumbnailBytes);
        return fitted(stored.ok() ? stored : read(file));
    }
    QImageReader reader(path);
    prepare(reader);
    if (const QString why = refusal(reader, path); !why.isEmpty())
        return refused(why);
    Result stored;
    stored.image = embeddedThumbnail(path, reader);
    return fitted(stored.ok() ? stored : eighthOf(reader));
}

Result readEighth(const QString &path)
{
    if (std::optional<Result> heif = heifPicture(path))
        return *heif;
    QImageReader reader(path);
    prepare(reader);
    if (const QString why = refusal(reader, path); !why.isEmpty())
        return refused(why);
    return eighthOf(reader);
}

} // namespace PictureReader

PictureReader::Result DecodeBuffer::read(const QString &path, const QSize &minimum)
{
    if (std::optional<PictureReader::Result> heif = heifPicture(path))
        return *heif;
    QImageReader reader(path);
    prepare(reader);
    if (const QString why = refusal(reader, path); !why.isEmpty())
        return refused(why);
    if (reader.format() == "jpeg") {
        if (std::optional<PictureReader::Result> decoded = readJpeg(reader, path, minimum))
            return *decoded;
    }
    QImage target = m_storage.isNull() ? QImage() : viewOf(m_storage);
    const WarningCatcher catcher;
    if (!reader.read(&target))
        return finish(reader, QImage());
    PictureReader::Result result = readInto(reader, std::move(target));
    result.incomplete = catcher.incomplete();
    return result;
}

// libjpeg straight into the buffer (the pixels Qt's reader gives, without its copy of every row),
// at a smaller scale when minimum allows. Nothing when libjpeg alone cannot: the usual reader
// then reads the picture (CMYK) or says why not.
std::optional<PictureReader::Result> DecodeBuffer::readJpeg(QImageReader &reader,
                                                            const QString &path,
                                                            const QSize &minimum)
{
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const int eighths = ScaledJpeg::eighthsFor(stored, turned ? minimum.transposed() : minimum);
    QFile file(path);
    constexpr qint64 limit = qint64(PictureReader::allocationLimitMB) << 20;
    if (!stored.isValid() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // No more than its scans can fill (under 8 bytes a sample in the worst coding, metadata
    // aside): a small picture padded to gigabytes costs no more than the picture.
    const qint64 most = qint64(stored.width()) * stored.height() * 3 * 8 + (16 << 20);
    reserve(ScaledJpeg::scaledSize(stored, eighths));
    ScaledJpeg::Decoded decoded =
      ScaledJpeg::decode(file.read(std::min(most, limit)),
                         eighths,
                         m_storage.isNull() ? QImage() : viewOf(m_storage),
                         limit);
    if (decoded.image.isNull())
        return std::nullopt;
    // libjpeg rounds each side up; a rounded last pixel, which turns to the top or left of some
    // orientations, is left out in the stored frame.
    const QSize whole(stored.width() * eighths / 8, stored.height() * eighths / 8);
    QImage image = decoded.image.size() == whole
                     ? std::move(decoded.image)
                     : decoded.image.copy(QRect(QPoint(0, 0), whole.expandedTo(QSize(1, 1))));
    PictureReader::Result result = readInto(reader, std::move(image));
    result.incomplete = decoded.incomplete;
    result.fullSize = turned ? stored.transposed() : stored;
    return result;
}

PictureReader::Result DecodeBuffer::readInto(QImageReader &reader, QImage target)
{
    if (target.colorCount() > 0) {
        // Palette pictures are converted before painting anyway: nothing to reuse.
        m_storage = QImage();
        return finish(reader, std::move(target));
    }
    if (target.constBits() != m_storage.constBits())
        m_storage = target; // the reader allocated (another size or format)
    const int dpmX = target.dotsPerMeterX();
    const int dpmY = target.dotsPerMeterY();
    const QColorSpace colorSpace = target.colorSpace();
    target = QImage(); // m_storage must be the only owner, or bits() would copy it
    // The caller paints on a view: it owns no memory and carries no text of any picture.
    QImage view = viewOf(m_storage);
    view.setDotsPerMeterX(dpmX);
    view.setDotsPerMeterY(dpmY);
    view.setColorSpace(colorSpace);
    return finish(reader, view);
}

void DecodeBuffer::reserve(const QSize &size)
{
    if (m_storage.size() == size && m_storage.format() == QImage::Format_RGB32)
        return;
    m_storage = QImage(); // the old pixels go first
    m_storage = hugePageImage(size);
}
