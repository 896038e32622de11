#pragma once

#include <QColor>
#include <QSet>
#include <QSize>
#include <QString>
#include <QVector>

#include "fileidentity.h"
#include "outputpolicy.h"
#include "textfields.h"
#include "watermark.h"

class DecodeBuffer;

// Everything a batch run needs, taken before the first picture, so that the pictures can be
// processed anywhere without touching a widget or the shared settings. Every front end builds one.
struct RunSnapshot
{
    WatermarkText text; // filled in for each picture
    int position = 0;
    WatermarkStyle style;
    QSize outputSize; // invalid: keep each picture's own size
    OutputPolicy policy;
    QString outputDir;
    QStringList sources;
    QStringList outputs;            // one per source, already unique within the run
    QVector<bool> skipped;          // one per source (empty: none); its name is taken in the folder
    QSet<FileIdentity> sourceFiles; // no output ever replaces one of these
};

struct JobOutcome
{
    // NotStarted: a stopped run never reached the picture.
    enum class Status { NotStarted, Written, Skipped, Unreadable, NotWritten };

    Status status = Status::NotStarted;
    QString reason;         // Qt's own words, for the failure message
    QString output;         // the name a written picture got
    QString metadataReason; // what a written picture's metadata lost, and why
    QString incomplete;     // the decoder's word that part of the source is missing, or empty
    QColor pen; // the colour drawn with, alpha included (valid when the picture was drawn)
    // The keep-JPEG mode: whether the picture kept its compression, or why it was encoded again.
    bool jpegKept = false;
    QString reencodedReason;

    bool wasRead() const { return status != Status::Unreadable && status != Status::NotStarted; }
    bool isFailure() const { return status == Status::Unreadable || status == Status::NotWritten; }
};

// The size a picture of size source gets in a box: stretched to it, or fitted inside it keeping
// its proportions (never enlarged, each side at least one pixel).
QSize outputSizeFor(const QSize &source, const QSize &box, ResizeMode mode);

// One picture's work: read at full size with its metadata, stamp, scale, flatten when the format
// has no alpha, encode with the kept metadata and publish atomically under the output name.
JobOutcome runWatermarkJob(const RunSnapshot &run, int index, DecodeBuffer &buffer);
