#include "memoryplan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>

#include "heifcodec.h"
#include "picturereader.h"
#include "runsnapshot.h"

namespace {

// Bytes a pixel, measured at their peaks on 200-megapixel and 16383² pictures.
constexpr qint64 decodedPixel = 4; // the decoded 32-bit picture
constexpr qint64 heifPlanes = 3;   // libheif's YCbCr planes beside it (4:2:0 8-bit to 4:4:4)
constexpr qint64 coefficients = 6; // the keep-JPEG mode's, 4:4:4 at two bytes a coefficient
constexpr qint64 outputPixel = 4;  // the scaled output picture

// What the encoder of format holds beside the output picture, a pixel.
qint64 encoderBytes(const QString &format)
{
    if (format == QLatin1String("avif"))
        return 14;
    if (format == QLatin1String("heic") || format == QLatin1String("heif") ||
        format == QLatin1String("hif"))
        return 9;
    if (format == QLatin1String("webp"))
        return 6;
    if (format == QLatin1String("jpg") || format == QLatin1String("jpeg"))
        return 1;
    return 4; // PNG, TIFF, BMP, PPM, XPM: the encoded file, up to the pixels' own size
}

qint64 physicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : qint64(4) << 30;
}

// A limit file's value: a number of bytes, or none for "max" and v1's "no limit" (a page
// short of 2^63).
std::optional<qint64> limitIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 value = file.readLine(64).trimmed().toLongLong(&ok);
    if (!ok || value <= 0 || value >= (qint64(1) << 62))
        return std::nullopt;
    return value;
}

} // namespace

namespace MemoryPlan {

qint64 workingSet(const RunSnapshot &run, int index)
{
    const QString &source = run.sources.at(index);
    const QSize size = PictureReader::declaredSize(source);
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 1;
    qint64 bytes = pixels * decodedPixel;
    // Only a picture with a size is looked into: a FIFO is never opened.
    if (size.isValid() && HeifCodec::isHeifFile(source))
        bytes += pixels * heifPlanes;
    if (run.policy.jpegMode == JpegMode::Keep)
        bytes += pixels * coefficients + QFileInfo(source).size();
    const qint64 outputPixels = run.outputSize.isValid()
                                  ? qint64(run.outputSize.box.width()) * run.outputSize.box.height()
                                  : pixels;
    const QString format = QFileInfo(run.outputs.value(index, source)).suffix().toLower();
    return bytes + outputPixels * (outputPixel + encoderBytes(format));
}

std::optional<qint64> cgroupLimit(const QString &cgroupFile, const QString &root)
{
    QFile file(cgroupFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<qint64> smallest;
    const auto take = [&smallest](const QString &path) {
        if (const std::optional<qint64> limit = limitIn(path))
            smallest = std::min(smallest.value_or(*limit), *limit);
    };
    // "0::/path" for v2, "N:memory:/path" (among other controllers) for v1.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() < 3)
            continue;
        const bool v2 = fields.at(0) == "0" && fields.at(1).isEmpty();
        const bool v1 = fields.at(1).split(',').contains("memory");
        if (!v1 && !v2)
            continue;
        const QString mount = v2 ? root : root + QStringLiteral("/memory");
        // Every level up to the mount; inside a cgroup namespace the path may start at the
        // mount itself.
        QString path = QDir::cleanPath(QString::fromUtf8(fields.at(2)));
        for (;;) {
            const QString dir = mount + (path == QLatin1String("/") ? QString() : path);
            if (v2) {
                take(dir + QStringLiteral("/memory.max"));
                take(dir + QStringLiteral("/memory.high"));
            } else {
                take(dir + QStringLiteral("/memory.limit_in_bytes"));
            }
            if (path == QLatin1String("/") || path.isEmpty())
                break;
            path = QFileInfo(path).path();
        }
    }
    return smallest;
}

qint64 usableMemory()
{
    const qint64 machine = physicalMemory();
    return std::min(machine, cgroupLimit().value_or(machine));
}

int workers(qint64 largest, qint64 memory, int cores, int pictures)
{
    const qint64 byMemory = std::max<qint64>(1, memory / 4 / std::max<qint64>(1, largest));
    return int(std::min({ byMemory, qint64(std::max(1, cores)), qint64(std::max(1, pictures)) }));
}

} // namespace MemoryPlan
