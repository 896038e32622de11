#include "batchrunner.h"

#include <algorithm>

#include "memoryplan.h"
#include "picturemetadata.h"
#include "picturereader.h"

int BatchReport::failureCount() const
{
    return int(std::count_if(
      outcomes.cbegin(), outcomes.cend(), [](const JobOutcome &o) { return o.isFailure(); }));
}

int BatchReport::count(JobOutcome::Status status) const
{
    return int(std::count_if(outcomes.cbegin(), outcomes.cend(), [status](const JobOutcome &o) {
        return o.status == status;
    }));
}

QColor BatchReport::lastPen() const
{
    for (int i = outcomes.size() - 1; i >= 0; --i) {
        if (outcomes.at(i).pen.isValid())
            return outcomes.at(i).pen;
    }
    return QColor();
}

BatchRunner::BatchRunner(QObject *parent)
  : QObject(parent)
{
    qRegisterMetaType<BatchReport>();
}

BatchRunner::~BatchRunner()
{
    stop();
    waitForDone();
}

int BatchRunner::workerCount(const RunSnapshot &snapshot)
{
    // Only the headers are read here.
    qint64 largest = 1;
    for (int i = 0; i < snapshot.sources.size(); ++i)
        largest = std::max(largest, MemoryPlan::workingSet(snapshot, i));
    return MemoryPlan::workers(largest,
                               MemoryPlan::usableMemory(),
                               QThread::idealThreadCount(),
                               int(snapshot.sources.size()));
}

void BatchRunner::start(const RunSnapshot &snapshot, int workers)
{
    Q_ASSERT(!m_running);
    PictureMetadata::initialize();
    m_snapshot = std::make_shared<const RunSnapshot>(snapshot);
    const int total = int(snapshot.sources.size());
    m_report = BatchReport();
    m_report.outcomes.resize(total);
    m_report.invisibleMark = snapshot.style.isInvisible();
    m_next = 0;
    m_stop = false;
    m_processed = 0;
    m_finished = 0;
    m_exited = 0;
    m_workers = 0; // known once planned
    m_running = true;
    m_pool.setMaxThreadCount(std::max(1, std::max(workers, QThread::idealThreadCount())));

    // Planning reads picture headers, which can be slow for hostile files: it happens on the
    // first worker's thread, never on the caller's.
    m_pool.start([this, run = m_snapshot, workers, total] {
        const int count = workers > 0 ? std::min(workers, std::max(total, 1)) : workerCount(*run);
        QMetaObject::invokeMethod(
          this, [this, count] { m_workers = count; }, Qt::QueuedConnection);
        for (int w = 1; w < count; ++w)
            m_pool.start([this, run] { work(*run); });
        work(*run);
    });
}

void BatchRunner::work(const RunSnapshot &run)
{
    DecodeBuffer buffer; // one per worker, reused for every picture it takes
    const int total = int(run.sources.size());
    for (int i = m_next++; i < total && !m_stop; i = m_next++) {
        const JobOutcome outcome = runWatermarkJob(run, i, buffer);
        QMetaObject::invokeMethod(
          this, [this, i, outcome] { pictureDone(i, outcome); }, Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(
      this, [this] { workerExited(); }, Qt::QueuedConnection);
}

void BatchRunner::stop()
{
    m_stop = true;
}

void BatchRunner::waitForDone()
{
    m_pool.waitForDone();
}

void BatchRunner::pictureDone(int index, const JobOutcome &outcome)
{
    m_report.outcomes[index] = outcome;
    emit outcomeReady(index, outcome);
    emit pictureFinished(++m_finished, int(m_report.outcomes.size()));
    if (!outcome.wasRead())
        return;
    ++m_processed;
    emit progress(m_processed * 100 / int(m_report.outcomes.size()));
}

void BatchRunner::workerExited()
{
    // Each worker's results were queued before its exit, and the plan before any exit, so the
    // last exit sees them all.
    if (++m_exited < m_workers)
        return;
    m_running = false;
    m_report.stopped = m_stop;
    for (int i = int(m_report.outcomes.size()) - 1; i >= 0; --i) {
        if (m_report.outcomes.at(i).status == JobOutcome::Status::Written) {
            m_report.lastWritten = m_report.outcomes.at(i).output;
            break;
        }
    }
    m_snapshot.reset();
    emit finished(m_report);
}
