#include "watchsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include "engine/output/fileidentity.h"
#include "engine/run/picturefolder.h"
#include "engine/run/runplanner.h"
#include "engine/run/runsummary.h"
#include "messages.h"

namespace {

// How long a picture that failed to read waits for another event before it is reported: a copy
// in several writes closes the file more than once.
constexpr qint64 inotifyQuietMs = 2000;
constexpr int quietPolls = 3;

bool failedToRead(const JobOutcome &outcome)
{
    return outcome.status == JobOutcome::Status::Unreadable;
}

} // namespace

WatchSession::WatchSession(const BatchCommand &command, QObject *parent)
  : QObject(parent)
  , m_command(command)
  , m_hotFolder(command.watchFolder, command.recursive, command.pollSeconds)
{
    connect(&m_hotFolder, &HotFolder::folderWatched, this, &WatchSession::scan);
    connect(&m_hotFolder, &HotFolder::fileCompleted, this, [this](const QString &path) {
        take(path, true);
    });
    connect(&m_hotFolder, &HotFolder::folderLost, this, [this] {
        say(tr("the watched folder '%1' is gone").arg(m_command.watchFolder));
        m_exitStatus = 1;
        stop(0);
    });
    connect(&m_hotFolder,
            &HotFolder::folderUnwatched,
            this,
            [](const QString &folder, const QString &reason) {
                say(tr("cannot watch '%1': %2").arg(folder, reason));
            });
    connect(&m_runner, &BatchRunner::finished, this, &WatchSession::onBatchFinished);
    m_failureTimer.setSingleShot(true);
    connect(&m_failureTimer, &QTimer::timeout, this, &WatchSession::reportFailuresDue);
    m_clock.start();
}

std::optional<int> WatchSession::prepare()
{
    RunRequest request = m_command.request;
    request.sources.clear();
    const RunPlan plan = planRun(request);
    if (!plan.ok()) {
        say(plan.message(request));
        return plan.failure == RunPlan::Failure::OutputFolder ? 1 : 2;
    }
    return openReport(m_command.reportPath, plan.run, m_report);
}

void WatchSession::start()
{
    if (const QString problem = m_hotFolder.start(); !problem.isEmpty()) {
        say(tr("cannot watch '%1': %2").arg(m_command.watchFolder, problem));
        emit finished(1);
    }
}

void WatchSession::stop(int signalNumber)
{
    m_stopping = true;
    if (signalNumber != 0)
        m_exitStatus = 128 + signalNumber;
    m_hotFolder.disconnect(this);
    m_waiting.clear();
    if (m_running)
        m_runner.stop();
    else
        finishWhenIdle();
}

// The pictures directly in folder, by the start rule; subfolders are announced on their own.
void WatchSession::scan(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        take(dir.filePath(name), false);
}

void WatchSession::take(const QString &path, bool arrived)
{
    if (!PictureFolder::hasPictureSuffix(path))
        return;
    m_failures.remove(path); // a new event: it is read again
    for (Waiting &waiting : m_waiting) {
        if (waiting.path == path) {
            waiting.arrived = waiting.arrived || arrived;
            return;
        }
    }
    m_waiting.append({ path, arrived });
    // Events that come together are taken together.
    QMetaObject::invokeMethod(this, &WatchSession::runNext, Qt::QueuedConnection);
}

// The waiting pictures of the first one's folder, planned into that folder's place under the
// output folder; those whose output stands are left out.
std::optional<RunSnapshot> WatchSession::planBatch(const QList<Waiting> &batch) const
{
    RunRequest request = m_command.request;
    const QString relative =
      QDir(m_command.watchFolder).relativeFilePath(QFileInfo(batch.first().path).path());
    if (relative != QLatin1String("."))
        request.outputDir = QDir(request.outputDir).filePath(relative);
    for (const Waiting &waiting : batch)
        request.sources << waiting.path;
    const RunPlan plan = planRun(request);
    if (!plan.ok()) {
        say(plan.message(request));
        return std::nullopt;
    }
    RunSnapshot run = plan.run;
    run.publishesIncomplete = false;
    run.sources.clear();
    run.outputs.clear();
    run.skipped.clear();
    const bool replace = request.policy.existingFiles == ExistingFiles::Replace;
    for (int i = 0; i < batch.size(); ++i) {
        const QString &output = plan.run.outputs.at(i);
        const QFileInfo made(output);
        // Each picture once: an output that stands is kept, unless "replace" is asked and the
        // picture came again or changed since.
        const bool stands =
          made.exists() &&
          (!replace || (!batch.at(i).arrived &&
                        QFileInfo(batch.at(i).path).lastModified() <= made.lastModified()));
        if (stands)
            continue;
        run.sources << batch.at(i).path;
        run.outputs << output;
    }
    run.sourceFiles = identitiesOf(run.sources);
    return run;
}

void WatchSession::runNext()
{
    if (m_running || m_waiting.isEmpty() || m_stopping)
        return;
    const QString folder = QFileInfo(m_waiting.first().path).path();
    QList<Waiting> batch;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (QFileInfo(it->path).path() == folder) {
            batch << *it;
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    const std::optional<RunSnapshot> run = planBatch(batch);
    if (!run || run->sources.isEmpty()) {
        runNext();
        return;
    }
    m_run = *run;
    m_running = true;
    m_runner.start(m_run, m_command.jobs);
}

void WatchSession::onBatchFinished(const BatchReport &batch)
{
    m_running = false;
    const qint64 quiet = m_hotFolder.isPolling()
                           ? qint64(quietPolls) * m_hotFolder.pollSeconds() * 1000
                           : inotifyQuietMs;
    for (int i = 0; i < batch.outcomes.size(); ++i) {
        const JobOutcome &outcome = batch.outcomes.at(i);
        const QString &source = m_run.sources.at(i);
        if (outcome.status == JobOutcome::Status::NotStarted)
            continue; // stopped: the next start takes it
        if (failedToRead(outcome) && !m_stopping)
            m_failures.insert(source, { outcome, m_run.outputs.at(i), m_clock.elapsed() + quiet });
        else
            report(source, m_run.outputs.at(i), outcome);
    }
    reportFailuresDue();
    if (m_stopping)
        finishWhenIdle();
    else
        runNext();
}

void WatchSession::reportFailuresDue()
{
    qint64 next = -1;
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        if (it->deadline <= m_clock.elapsed() || m_stopping) {
            report(it.key(), it->output, it->outcome);
            it = m_failures.erase(it);
        } else {
            next = next < 0 ? it->deadline : std::min(next, it->deadline);
            ++it;
        }
    }
    if (next >= 0)
        m_failureTimer.start(int(std::max<qint64>(0, next - m_clock.elapsed())));
}

// One picture's line in the report, its failure on standard error and, on a terminal, the
// picture written.
void WatchSession::report(const QString &source, const QString &output, const JobOutcome &outcome)
{
    RunSnapshot one = m_run;
    one.sources = QStringList(source);
    one.outputs = QStringList(output);
    if (m_report)
        m_report->add(one, 0, outcome);
    if (outcome.status == JobOutcome::Status::Written) {
        if (!m_command.quiet && ::isatty(STDERR_FILENO))
            say(tr("%1 → %2").arg(source, outcome.output));
        return;
    }
    BatchReport single;
    single.outcomes = { outcome };
    for (const RunSummary::Block &block :
         summarizeRun(single, one.sources, unlimitedLines).blocks) {
        if (!block.keptWhenQuiet())
            continue;
        // The picture's own line, without the count a run puts first.
        for (const QString &line : block.lines.mid(block.lines.size() > 1 ? 1 : 0))
            say(line);
    }
}

void WatchSession::finishWhenIdle()
{
    reportFailuresDue();
    const bool reportWritten = !m_report || m_report->error().isEmpty();
    if (!reportWritten)
        say(tr("cannot write the report '%1': %2").arg(m_command.reportPath, m_report->error()));
    emit finished(m_exitStatus);
}
