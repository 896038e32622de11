#pragma once

#include <QList>
#include <QStringList>

struct BatchReport;
struct JobOutcome;

// What every front end tells at the end of a run, block by block in this order, each only when
// it applies: the stop, the failures, the skipped pictures, the pictures that lost their metadata.
struct RunSummary
{
    struct Block
    {
        enum class Kind { Stopped, Failures, Skipped, WithoutMetadata };
        Kind kind;
        QStringList lines;

        // The stop and the failures: what a quiet front end still says.
        bool isError() const { return kind == Kind::Stopped || kind == Kind::Failures; }
    };

    QList<Block> blocks;
    bool isWarning = false; // the run was stopped or a picture failed

    bool isEmpty() const { return blocks.isEmpty(); }
};

inline constexpr int unlimitedLines = -1;

// sources are the run's, in list order; maxLines caps the lines listed in a block.
RunSummary summarizeRun(const BatchReport &report, const QStringList &sources, int maxLines);

// One word for what happened to picture index, never translated: written,
// written-without-metadata, skipped, unreadable, not-written or not-started.
QString outcomeName(const JobOutcome &outcome);
