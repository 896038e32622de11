#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

#include "textfields.h"
#include "watermark.h"

class PreviewCache;

// One preview to draw: a picture, the text and style to stamp on it, the size to show it at.
struct PreviewRequest
{
    QString path;
    bool isSample = false; // the bundled sample: its fields show example values
    WatermarkText text;
    int position = 0;
    WatermarkStyle style;
    QSize viewSize;
    // When set, the picture scaled to sampleSize is also saved there (the advanced dialog's
    // sample).
    QString samplePath;
    QSize sampleSize;
};

struct PreviewResult
{
    PreviewRequest request;
    bool ok = false; // false: the picture could not be read; the view keeps what it showed
    QImage shown;    // the stamped picture, scaled to fit viewSize
    StampResult drawn;
    int position = 0; // where the mark went: the automatic position's choice
};

// Draws previews on a worker thread so that the window never waits for a decode. Only the newest
// request's result is delivered: a superseded request still running is left to finish on its own
// and its result dropped. At most two run at once and one waits; a newer request replaces the
// waiting one. Nothing is delivered after cancel() or the renderer's destruction, which waits for
// the requests still running.
class PreviewRenderer : public QObject
{
    Q_OBJECT

public:
    explicit PreviewRenderer(QObject *parent = nullptr);
    ~PreviewRenderer() override;

    void request(const PreviewRequest &request);
    void cancel();
    // Frees the decoded picture kept between refreshes.
    void clearCache();
    bool isPending() const { return m_running > 0 || m_waiting.has_value(); }

signals:
    void ready(const PreviewResult &result);

private:
    struct Shared;
    void launch(const PreviewRequest &request, quint64 generation);
    void jobDone(quint64 generation, const PreviewResult &result);

    std::shared_ptr<Shared> m_shared;
    std::optional<std::pair<PreviewRequest, quint64>> m_waiting;
    quint64 m_generation = 0;
    int m_running = 0;
};

// The drawing itself, on the calling thread.
PreviewResult renderPreview(const PreviewRequest &request, PreviewCache &cache);
