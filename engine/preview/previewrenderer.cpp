#include "previewrenderer.h"

#include <QFileInfo>
#include <QThreadPool>

#include <condition_variable>
#include <mutex>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "calmplace.h"
#include "picturemetadata.h"
#include "picturereader.h"
#include "previewcache.h"

namespace {

constexpr int maxRunning = 2;

// Previews are drawn on threads that give way to the window's: with both cores decoding, the
// GUI thread still gets a core the moment it has an event to handle. Linux keeps a nice value
// per thread; raising it needs no privilege and stays with the pool's thread.
void yieldToTheWindow()
{
    constexpr int previewNice = 10;
    const auto thread = id_t(::syscall(SYS_gettid));
    if (::getpriority(PRIO_PROCESS, thread) < previewNice)
        ::setpriority(PRIO_PROCESS, thread, previewNice);
}

} // namespace

// What the worker threads share with the renderer; outlives it while a job still runs.
struct PreviewRenderer::Shared
{
    std::mutex mutex;
    std::condition_variable idle;
    PreviewRenderer *owner = nullptr; // cleared, under the mutex, when the renderer goes
    int running = 0;                  // jobs started and not yet ended, under the mutex
    PreviewCache cache;
};

PreviewResult renderPreview(const PreviewRequest &request, PreviewCache &cache)
{
    PreviewResult result;
    result.request = request;
    if (!request.samplePath.isEmpty()) {
        const QImage sample = PictureReader::readScaled(request.path, request.sampleSize).image;
        if (!sample.isNull())
            sample.save(request.samplePath);
    }
    PictureMetadata metadata;
    QImage canvas = cache.canvasFor(request.path, nullptr, &metadata);
    if (canvas.isNull())
        return result;
    const FieldValues values =
      request.isSample
        ? FieldValues::example(canvas.size())
        : FieldValues::of(QFileInfo(request.path).fileName(), canvas.size(), metadata);
    const QString text = request.text.filled(values);
    result.position = CalmPlace::positionOn(canvas, text, request.position, request.style);
    result.drawn = stampWatermark(canvas, text, result.position, request.style);
    result.shown = canvas.scaled(request.viewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    cache.recycle(std::move(canvas));
    result.ok = true;
    return result;
}

PreviewRenderer::PreviewRenderer(QObject *parent)
  : QObject(parent)
  , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
}

PreviewRenderer::~PreviewRenderer()
{
    // No drawing outlives its window: the jobs end before the objects main() made are gone.
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    m_shared->owner = nullptr;
    m_shared->idle.wait(lock, [this] { return m_shared->running == 0; });
}

void PreviewRenderer::request(const PreviewRequest &request)
{
    const quint64 generation = ++m_generation;
    if (m_running < maxRunning)
        launch(request, generation);
    else
        m_waiting.emplace(request, generation);
}

void PreviewRenderer::cancel()
{
    ++m_generation;
    m_waiting.reset();
}

void PreviewRenderer::clearCache()
{
    m_shared->cache.clear();
}

void PreviewRenderer::launch(const PreviewRequest &request, quint64 generation)
{
    ++m_running;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        ++m_shared->running;
    }
    // On one of the global pool's threads: Qt spreads a large scale or format conversion over
    // that pool's threads, at normal priority, unless it is already running on one of them. There
    // the whole preview stays on one thread that gives way to the window.
    QThreadPool::globalInstance()->start([shared = m_shared, request, generation] {
        yieldToTheWindow();
        const PreviewResult result = renderPreview(request, shared->cache);
        std::lock_guard<std::mutex> lock(shared->mutex);
        // A posted call dies with its receiver, so it never reaches a destroyed renderer.
        if (PreviewRenderer *owner = shared->owner) {
            QMetaObject::invokeMethod(
              owner,
              [owner, generation, result] { owner->jobDone(generation, result); },
              Qt::QueuedConnection);
        }
        if (--shared->running == 0)
            shared->idle.notify_all();
    });
}

void PreviewRenderer::jobDone(quint64 generation, const PreviewResult &result)
{
    --m_running;
    if (m_waiting) {
        const auto [request, waitingGeneration] = *m_waiting;
        m_waiting.reset();
        launch(request, waitingGeneration);
    }
    if (generation == m_generation)
        emit ready(result);
}
