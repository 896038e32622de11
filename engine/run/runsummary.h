#pragma once

#include <QList>
#include <QStringList>

struct BatchReport;
struct JobOutcome;

// What every front end tells at the end of a run, block by block in this order, each only when
// it applies: the stop, the failures, pictures written from incomplete files, a mark that cannot
// be seen, the skipped pictures, the pictures that lost their metadata, and in the keep-JPEG mode
// the pictures encoded again, with why.
struct RunSummary
{
    struct Block
    {
        enum class Kind {
            Stopped,
            Failures,
            Incomplete,
            Invisible,
            Skipped,
            WithoutMetadata,
            JpegReencoded
        };
        Kind kind;
        QStringList lines;

        // What a quiet front end still says.
        bool keptWhenQuiet() const { return kind < Kind::Skipped; }
    };

    QList<Block> blocks;
    // The run was stopped, a picture failed or was incomplete, or the mark was invisible.
    bool isWarning = false;

    bool isEmpty() const { return blocks.isEmpty(); }
};

inline constexpr int unlimitedLines = -1;

// sources are the run's, in list order; maxLines caps the lines listed in a block.
RunSummary summarizeRun(const BatchReport &report, const QStringList &sources, int maxLines);

// One word for what happened to a picture, never translated: written, written-incomplete,
// written-without-metadata, skipped, unreadable, not-written or not-started.
QString outcomeName(const JobOutcome &outcome);
