#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// Keeps the last decoded preview picture, so that typing and position clicks redraw without
// decoding again, and a canvas whose memory is reused by every redraw. A file is decoded again
// when its path, size or modification time changes.
class PreviewCache
{
public:
    // A fresh, paintable copy of the picture at path in the canvas, or nullptr when it cannot be
    // read. The canvas stays valid until the next call or clear().
    QImage *canvasFor(const QString &path);
    void clear();

private:
    bool isCurrent(const QString &path) const;

    QString m_path;
    qint64 m_fileSize = -1;
    QDateTime m_modified;
    QImage m_source;
    QImage m_canvas;
};
