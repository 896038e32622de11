#pragma once

#include <QObject>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <memory>

#include "watermarkjob.h"

struct BatchReport
{
    QVector<JobOutcome> outcomes; // in list order; a stopped run leaves some NotStarted
    QString lastWritten;          // the last written picture in list order, or empty
    bool stopped = false;
    bool invisibleMark = false; // the run's mark was fully transparent

    int failureCount() const;
    int count(JobOutcome::Status status) const;
    // The pen of the last picture in list order that could be read (invalid when none could).
    QColor lastPen() const;
};

// Runs the pictures of a snapshot on worker threads, never on the caller's thread. Progress and
// the final report arrive as signals on the thread that owns the runner. Progress follows the
// pictures that could be read: processed × 100 / total.
class BatchRunner : public QObject
{
    Q_OBJECT
public:
    explicit BatchRunner(QObject *parent = nullptr);
    ~BatchRunner() override;

    // workers 0 picks the number from the cores and the memory the largest picture needs.
    void start(const RunSnapshot &snapshot, int workers = 0);
    // No further picture starts; the pictures in flight are finished.
    void stop();
    // Blocks until the workers are idle (after stop(), until the pictures in flight are done).
    void waitForDone();
    bool isRunning() const { return m_running; }

    static int workerCount(const RunSnapshot &snapshot);

signals:
    void progress(int percent);
    // Every picture that was tried, read or not: done of total.
    void pictureFinished(int done, int total);
    // The outcome of the picture at index, as soon as it is known (in completion order).
    void outcomeReady(int index, const JobOutcome &outcome);
    void finished(const BatchReport &report);

private:
    void work(const RunSnapshot &run);
    void pictureDone(int index, const JobOutcome &outcome);
    void workerExited();

    QThreadPool m_pool;
    std::shared_ptr<const RunSnapshot> m_snapshot;
    std::atomic<int> m_next{ 0 };
    std::atomic<bool> m_stop{ false };
    BatchReport m_report;
    int m_processed = 0;
    int m_finished = 0;
    int m_workers = 0;
    int m_exited = 0;
    bool m_running = false;
};
