#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <mutex>

#include "picturemetadata.h"

// Keeps the last decoded preview picture, so that typing and position clicks redraw without
// decoding again, and a spare canvas whose memory the next redraw reuses. A file is decoded again
// when its path, size or modification time changes. Safe to use from several threads.
class PreviewCache
{
public:
    // A fresh, paintable copy of the picture at path, or a null image (and error) when it cannot
    // be read. Hand it back with recycle() when done.
    QImage canvasFor(const QString &path,
                     QString *error = nullptr,
                     PictureMetadata *metadata = nullptr);
    void recycle(QImage canvas);
    void clear();

private:
    bool isCurrent(const QString &path) const;

    std::mutex m_mutex;
    QString m_path;
    qint64 m_fileSize = -1;
    QDateTime m_modified;
    QImage m_source;
    PictureMetadata m_metadata; // read with the picture, for the text fields
    QImage m_spare;
};
