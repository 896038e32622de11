#include "previewcache.h"

#include <QColorSpace>
#include <QFileInfo>

#include <cstring>

#include "picturereader.h"

bool PreviewCache::isCurrent(const QString &path) const
{
    const QFileInfo info(path);
    return !m_source.isNull() && path == m_path && info.size() == m_fileSize &&
           info.lastModified() == m_modified;
}

QImage PreviewCache::canvasFor(const QString &path, QString *error, PictureMetadata *metadata)
{
    QImage source;
    QImage canvas;
    PictureMetadata read;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (isCurrent(path)) {
            source = m_source;
            read = m_metadata;
        }
        canvas = std::move(m_spare);
        m_spare = QImage();
    }
    if (source.isNull()) {
        // Decoded without the lock: a slow picture never holds up another refresh.
        PictureReader::Result picture = PictureReader::read(path);
        if (!picture.ok()) {
            if (error)
                *error = picture.error;
            recycle(std::move(canvas));
            return QImage(); // the cached picture stays for the next call
        }
        source = std::move(picture.image);
        read = PictureMetadata::read(path);
        const QFileInfo info(path);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_path = path;
        m_fileSize = info.size();
        m_modified = info.lastModified();
        m_source = source;
        m_metadata = read;
    }
    if (metadata)
        *metadata = read;
    const bool sameShape =
      canvas.size() == source.size() && canvas.format() == source.format() && canvas.isDetached();
    if (!sameShape)
        return source.copy();
    // Overwrite the spare canvas in place: a fresh full-size copy costs its page faults each time.
    std::memcpy(canvas.bits(), source.constBits(), size_t(source.sizeInBytes()));
    canvas.setDotsPerMeterX(source.dotsPerMeterX());
    canvas.setDotsPerMeterY(source.dotsPerMeterY());
    canvas.setColorSpace(source.colorSpace());
    return canvas;
}

void PreviewCache::recycle(QImage canvas)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_source.isNull())
        m_spare = std::move(canvas);
}

void PreviewCache::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_path.clear();
    m_source = QImage();
    m_metadata = PictureMetadata();
    m_spare = QImage();
}
