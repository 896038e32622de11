#include "previewcache.h"

#include <QFileInfo>

#include <cstring>

#include "picturereader.h"

bool PreviewCache::isCurrent(const QString &path) const
{
    const QFileInfo info(path);
    return !m_source.isNull() && path == m_path && info.size() == m_fileSize &&
           info.lastModified() == m_modified;
}

QImage *PreviewCache::canvasFor(const QString &path)
{
    if (!isCurrent(path)) {
        PictureReader::Result read = PictureReader::read(path);
        if (!read.ok())
            return nullptr; // the cached picture stays for the next call
        const QFileInfo info(path);
        m_path = path;
        m_fileSize = info.size();
        m_modified = info.lastModified();
        m_source = std::move(read.image);
    }
    const bool sameShape = m_canvas.size() == m_source.size() &&
                           m_canvas.format() == m_source.format() && m_canvas.isDetached();
    if (sameShape) {
        // Overwrite the canvas in place: a fresh full-size copy costs its page faults every time.
        std::memcpy(m_canvas.bits(), m_source.constBits(), size_t(m_source.sizeInBytes()));
        m_canvas.setDotsPerMeterX(m_source.dotsPerMeterX());
        m_canvas.setDotsPerMeterY(m_source.dotsPerMeterY());
    } else {
        m_canvas = m_source.copy();
    }
    return &m_canvas;
}

void PreviewCache::clear()
{
    m_path.clear();
    m_source = QImage();
    m_canvas = QImage();
}
