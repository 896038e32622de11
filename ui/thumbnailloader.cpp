#include "thumbnailloader.h"

#include <QImage>

#include "engine/imageio/picturereader.h"
#include "uiservices.h"

namespace {

// Two decodes at a time keep the list quick without taking the cores from the preview.
constexpr int workers = 2;
// Asks beyond this many are forgotten, oldest first: their rows ask again when painted again.
constexpr size_t maxQueued = 64;

} // namespace

ThumbnailLoader::ThumbnailLoader(int edge, QObject *parent)
  : QObject(parent)
  , m_edge(edge)
{
    m_pool.setMaxThreadCount(workers);
}

ThumbnailLoader::~ThumbnailLoader()
{
    m_pool.clear();
    m_pool.waitForDone(); // the results posted to this object die with it
}

QPixmap ThumbnailLoader::thumbnail(const QString &path)
{
    if (const auto made = m_made.constFind(path); made != m_made.cend())
        return *made;
    if (m_asked.contains(path))
        return QPixmap();
    m_asked.insert(path);
    m_queue.push_front(path);
    if (m_queue.size() > maxQueued) {
        m_asked.remove(m_queue.back());
        m_queue.pop_back();
    }
    startNext();
    return QPixmap();
}

void ThumbnailLoader::setPaused(bool paused)
{
    m_paused = paused;
    while (!m_paused && m_running < workers && !m_queue.empty())
        startNext();
}

void ThumbnailLoader::startNext()
{
    if (m_paused || m_running >= workers || m_queue.empty())
        return;
    const QString path = m_queue.front();
    m_queue.pop_front();
    ++m_running;
    const int edge = m_edge;
    m_pool.start([this, path, edge] {
        UiServices::current().thumbnailTaskStarts();
        const QImage image = PictureReader::readThumbnail(path, edge).image;
        QMetaObject::invokeMethod(
          this, [this, path, image] { finished(path, image); }, Qt::QueuedConnection);
    });
}

void ThumbnailLoader::finished(const QString &path, const QImage &image)
{
    --m_running;
    m_asked.remove(path);
    m_made.insert(path, QPixmap::fromImage(image));
    emit made(path);
    startNext();
}
