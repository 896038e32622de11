#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include "watermark.h"

class DecodeBuffer;
class QImage;

// Everything a batch run needs, taken on the GUI thread before the first picture, so that the
// pictures can be processed anywhere without touching a widget or the shared settings.
struct RunSnapshot
{
    QString text;
    int position = 0;
    WatermarkStyle style;
    QSize outputSize; // invalid: keep each picture's own size
    QString outputDir;
    QStringList sources;
    QStringList outputs; // one per source, already unique within the run
};

struct JobOutcome
{
    enum class Status { Written, Unreadable, NotWritten };

    Status status = Status::Unreadable;
    QString reason; // Qt's own words, for the failure message
    QColor pen;     // the colour drawn with, alpha included (valid when the picture was read)

    bool wasRead() const { return status != Status::Unreadable; }
};

// One picture's work: read at full size, stamp, scale, flatten when the format has no alpha,
// save atomically in the format of the output suffix.
JobOutcome runWatermarkJob(const RunSnapshot &run, int index, DecodeBuffer &buffer);

// Writes image to path through a temporary file, in the format of the path's lower-case suffix;
// a failed write leaves no file behind. Returns an empty string or the reason of the failure.
QString saveImageAtomically(const QImage &image, const QString &path);
