#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include "runsnapshot.h"
#include "textfields.h"

class DecodeBuffer;
class PictureMetadata;

struct JobOutcome
{
    // NotStarted: a stopped run never reached the picture.
    enum class Status { NotStarted, Written, Skipped, Unreadable, NotWritten };

    Status status = Status::NotStarted;
    QString reason;         // Qt's own words, for the failure message
    QString output;         // the name a written picture got
    QString metadataReason; // what a written picture's metadata lost, and why
    QString incomplete;     // the decoder's word that part of the source is missing, or empty
    QColor pen;       // the colour drawn with, alpha included (valid when the picture was drawn)
    int position = 0; // where the mark went (the automatic position's choice), once drawn
    // The keep-JPEG mode: whether the picture kept its compression, or why it was encoded again.
    bool jpegKept = false;
    QString reencodedReason;

    bool wasRead() const { return status != Status::Unreadable && status != Status::NotStarted; }
    bool isFailure() const { return status == Status::Unreadable || status == Status::NotWritten; }
};

// Why a picture of size cannot be written in format (a lower-case suffix), or empty: WebP holds
// at most 16383 pixels a side.
QString outputSizeProblem(const QByteArray &format, const QSize &size);

// The size a picture of size source gets in a box: stretched to it, or fitted inside it keeping
// its proportions (never enlarged, each side at least one pixel).
QSize outputSizeFor(const QSize &source, const QSize &box, ResizeMode mode);

// One picture's work: read at full size with its metadata, stamp, scale, flatten when the format
// has no alpha, encode with the kept metadata and publish atomically under the output name.
JobOutcome runWatermarkJob(const RunSnapshot &run, int index, DecodeBuffer &buffer);
