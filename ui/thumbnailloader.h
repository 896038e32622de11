#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>

#include <deque>

// Makes the file list's thumbnails on worker threads, a few at a time. Rows ask as they are
// painted and the newest asks go first, so the rows on screen are served before rows scrolled
// past. A picture is read once; one that cannot be read keeps an empty thumbnail.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    // edge: the thumbnails' longest side in device pixels.
    explicit ThumbnailLoader(int edge, QObject *parent = nullptr);
    // Waits for the thumbnails being made; nothing is delivered afterwards.
    ~ThumbnailLoader() override;

    // The thumbnail of path once it is made; until then a null pixmap, and path is queued.
    QPixmap thumbnail(const QString &path);
    // While paused (a run needs the memory), nothing new starts; queued paths wait.
    void setPaused(bool paused);
    bool isBusy() const { return m_running > 0; }

signals:
    void made(const QString &path);

private:
    void startNext();
    void finished(const QString &path, const QImage &image);

    const int m_edge;
    QThreadPool m_pool;
    QHash<QString, QPixmap> m_made;
    QSet<QString> m_asked; // queued or being made
    std::deque<QString> m_queue;
    int m_running = 0;
    bool m_paused = false;
};
