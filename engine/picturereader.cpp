#include "picturereader.h"

#include <QColorSpace>
#include <QImageReader>

#include <mutex>

namespace {

void raiseAllocationLimit()
{
    // Qt's default of 128 MB refuses a 48-megapixel photo; 1024 MB still refuses absurd headers.
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(PictureReader::allocationLimitMB); });
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
        result.image = PictureReader::paintable(std::move(image));
    return result;
}

// A second image on the same pixels: it owns no memory and has no text metadata.
QImage viewOf(QImage &storage)
{
    QImage view(storage.bits(), storage.width(), storage.height(), storage.bytesPerLine(),
                storage.format());
    view.setDotsPerMeterX(storage.dotsPerMeterX());
    view.setDotsPerMeterY(storage.dotsPerMeterY());
    view.setColorSpace(storage.colorSpace());
    return view;
}

} // namespace

namespace PictureReader {

QImage paintable(QImage image)
{
    if (!needsConversion(image.format()))
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

Result read(const QString &path)
{
    raiseAllocationLimit();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return finish(reader, reader.read());
}

Result readScaled(const QString &path, const QSize &size)
{
    raiseAllocationLimit();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setScaledSize(size);
    return finish(reader, reader.read());
}

} // namespace PictureReader

PictureReader::Result DecodeBuffer::read(const QString &path)
{
    raiseAllocationLimit();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage target = m_storage.isNull() ? QImage() : viewOf(m_storage);
    if (!reader.read(&target))
        return finish(reader, QImage());
    if (target.constBits() != m_storage.constBits()) {
        // The reader allocated (another size or format, or a rotation): that memory becomes the
        // buffer, and the caller paints on a view of it so that painting does not copy it.
        m_storage = target;
        target = viewOf(m_storage);
    }
    return finish(reader, target);
}
