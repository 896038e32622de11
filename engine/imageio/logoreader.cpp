#include "logoreader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include "picturereader.h"

namespace {
// SVG logos are drawn once at this width and scaled down for each picture like any other.
constexpr int svgWidth = 2048;
constexpr double maxSvgHeight = 16 * svgWidth;
} // namespace

QImage readLogo(const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        QSvgRenderer svg(path);
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
