#include "logoreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <zlib.h>

#include "picturereader.h"

namespace {

// SVG logos are drawn once at this width and scaled down for each picture like any other.
constexpr int svgWidth = 2048;
constexpr double maxSvgHeight = 16 * svgWidth;
constexpr qint64 maxSvgBytes = 64 << 20;

// The SVG's text, unpacked from gzip for .svgz; empty when it cannot be read.
QByteArray svgText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxSvgBytes)
        return QByteArray();
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\x1f\x8b"))
        return bytes;
    z_stream stream = {};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return QByteArray();
    QByteArray text;
    char chunk[1 << 16];
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    int status = Z_OK;
    while (status == Z_OK && text.size() <= maxSvgBytes) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        text.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END ? text : QByteArray();
}

// The first reference of the SVG to anything outside itself (an image or another file by its
// href), or empty. The renderer would draw a local picture named there into every output.
QString externalReference(const QByteArray &svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (attribute.name() != QLatin1String("href"))
                continue;
            const QString target = attribute.value().trimmed().toString();
            if (!target.startsWith(QLatin1Char('#')) &&
                !target.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
                return target;
        }
    }
    return QString();
}

} // namespace

QImage readLogo(const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        const QByteArray text = svgText(path);
        if (const QString target = externalReference(text); !target.isEmpty()) {
            *error = QCoreApplication::translate("WatermarkEffects",
                                                 "the SVG picture refers to another file (%1)")
                       .arg(target);
            return QImage();
        }
        QSvgRenderer svg(text);
        const QSizeF size = svg.viewBoxF().size();
        // Drawn svgWidth wide: a logo far taller than wide would need more rows than any picture.
        const double height = size.isEmpty() ? 0 : svgWidth * size.height() / size.width();
        if (svg.isValid() && height > maxSvgHeight) {
            *error = QCoreApplication::translate("WatermarkEffects",
                                                 "the SVG picture is too tall for its width");
            return QImage();
        }
        if (!svg.isValid() || size.isEmpty()) {
            *error = QCoreApplication::translate("WatermarkEffects", "not a valid SVG picture");
            return QImage();
        }
        QImage logo(QSize(svgWidth, std::max(1, int(height))), QImage::Format_ARGB32_Premultiplied);
        logo.fill(Qt::transparent);
        QPainter painter(&logo);
        svg.render(&painter);
        return logo;
    }
    PictureReader::Result read = PictureReader::read(path);
    if (!read.ok()) {
        *error = read.error;
        return QImage();
    }
    return read.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
