#include "runsummary.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <functional>

#include "batchrunner.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RunSummary)
};

// The lines of the pictures for which line() is not empty, at most maxLines, then "and K more".
QStringList listed(const BatchReport &report, int maxLines, const std::function<QString(int)> &line)
{
    QStringList lines;
    int count = 0;
    for (int i = 0; i < report.outcomes.size(); ++i) {
        const QString text = line(i);
        if (text.isEmpty())
            continue;
        if (maxLines < 0 || count < maxLines)
            lines << text;
        ++count;
    }
    if (count > lines.size())
        lines << Text::tr("and %1 more").arg(count - lines.size());
    return lines;
}

// The written pictures that carry a note (incomplete, metadataReason): how many, and their lines.
int countWritten(const BatchReport &report, QString JobOutcome::*note)
{
    return int(
      std::count_if(report.outcomes.cbegin(), report.outcomes.cend(), [note](const JobOutcome &o) {
          return o.status == JobOutcome::Status::Written && !(o.*note).isEmpty();
      }));
}

QStringList writtenLines(const BatchReport &report,
                         int maxLines,
                         const QStringList &sources,
                         QString JobOutcome::*note)
{
    return listed(report, maxLines, [&](int i) {
        const JobOutcome &o = report.outcomes.at(i);
        if (o.status != JobOutcome::Status::Written || (o.*note).isEmpty())
            return QString();
        return Text::tr("%1: %2").arg(QDir::toNativeSeparators(sources.at(i)), o.*note);
    });
}

} // namespace

RunSummary summarizeRun(const BatchReport &report, const QStringList &sources, int maxLines)
{
    RunSummary summary;
    const int total = int(report.outcomes.size());
    const auto path = [&](int i) { return QDir::toNativeSeparators(sources.at(i)); };

    using Kind = RunSummary::Block::Kind;
    const int notStarted = report.count(JobOutcome::Status::NotStarted);
    if (report.stopped && notStarted > 0) {
        summary.blocks << RunSummary::Block{
            Kind::Stopped,
            { Text::tr(
                "The run was stopped: %n of %1 pictures were not started.", nullptr, notStarted)
                .arg(total) }
        };
    }
    const int failures = report.failureCount();
    if (failures > 0) {
        summary.blocks << RunSummary::Block{
            Kind::Failures,
            QStringList(
              Text::tr("%n of %1 pictures could not be processed:", nullptr, failures).arg(total)) +
              listed(report,
                     maxLines,
                     [&](int i) {
                         const JobOutcome &o = report.outcomes.at(i);
                         if (!o.isFailure())
                             return QString();
                         return (o.wasRead() ? Text::tr("%1: could not be written (%2)")
                                             : Text::tr("%1: could not be read (%2)"))
                           .arg(path(i), o.reason);
                     })
        };
    }
    const int incomplete = countWritten(report, &JobOutcome::incomplete);
    if (incomplete > 0) {
        summary.blocks << RunSummary::Block{
            Kind::Incomplete,
            QStringList(
              Text::tr("%n pictures were written from an incomplete file:", nullptr, incomplete)) +
              writtenLines(report, maxLines, sources, &JobOutcome::incomplete)
        };
    }
    if (report.invisibleMark) {
        summary.blocks << RunSummary::Block{
            Kind::Invisible,
            { Text::tr("The watermark is fully transparent: the pictures were written without a "
                       "visible mark. Raise its opacity in \"Advanced Settings\".") }
        };
    }
    const int skipped = report.count(JobOutcome::Status::Skipped);
    const int withoutMetadata = countWritten(report, &JobOutcome::metadataReason);
    if (skipped > 0) {
        summary.blocks << RunSummary::Block{
            Kind::Skipped,
            { Text::tr(
                "%n of %1 pictures were skipped: a picture of the same name is already in the "
                "output folder.",
                nullptr,
                skipped)
                .arg(total) }
        };
    }
    if (withoutMetadata > 0) {
        summary.blocks << RunSummary::Block{
            Kind::WithoutMetadata,
            QStringList(Text::tr(
              "%n pictures were written without their metadata:", nullptr, withoutMetadata)) +
              writtenLines(report, maxLines, sources, &JobOutcome::metadataReason)
        };
    }
    const int reencoded = countWritten(report, &JobOutcome::reencodedReason);
    if (reencoded > 0) {
        int kept = 0;
        for (const JobOutcome &outcome : report.outcomes)
            kept += outcome.jpegKept ? 1 : 0;
        summary.blocks << RunSummary::Block{
            Kind::JpegReencoded,
            QStringList(
              Text::tr("%1; %n were encoded again:", nullptr, reencoded)
                .arg(Text::tr("%n pictures kept their JPEG compression", nullptr, kept))) +
              writtenLines(report, maxLines, sources, &JobOutcome::reencodedReason)
        };
    }
    summary.isWarning =
      (report.stopped && notStarted > 0) || failures > 0 || incomplete > 0 || report.invisibleMark;
    return summary;
}

QString outcomeName(const JobOutcome &o)
{
    switch (o.status) {
        case JobOutcome::Status::NotStarted:
            return QStringLiteral("not-started");
        case JobOutcome::Status::Written:
            if (!o.incomplete.isEmpty())
                return QStringLiteral("written-incomplete");
            return o.metadataReason.isEmpty() ? QStringLiteral("written")
                                              : QStringLiteral("written-without-metadata");
        case JobOutcome::Status::Skipped:
            return QStringLiteral("skipped");
        case JobOutcome::Status::Unreadable:
            return QStringLiteral("unreadable");
        case JobOutcome::Status::NotWritten:
            break;
    }
    return QStringLiteral("not-written");
}
