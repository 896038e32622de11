#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

#include "batchcommand.h"
#include "engine/run/batchrunner.h"
#include "hotfolder.h"
#include "reportfile.h"

// quorlane-batch --watch: stamps the pictures of a folder whose outputs are missing (with
// "replace", also those changed since their output), then every picture that comes complete into
// it, each batch planned as a batch run plans and run by the same engine. A picture that cannot
// be read yet (still arriving) waits for its next event; it is reported once when none comes.
class WatchSession : public QObject
{
    Q_OBJECT

public:
    explicit WatchSession(const BatchCommand &command, QObject *parent = nullptr);

    // Plans an empty run (the logo, the output folder) and opens the report. The exit status
    // when the invocation ends here (its message said), or none when watching can start.
    std::optional<int> prepare();
    void start();
    // A signal ends the watch after the pictures in flight; it decides the exit status.
    void stop(int signalNumber);

signals:
    void finished(int exitStatus);

private:
    struct Waiting
    {
        QString path;
        bool arrived = false; // from an event, not a scan: "replace" stamps it again
    };
    // A picture that failed to read, reported when its deadline passes without a new event.
    struct Failure
    {
        JobOutcome outcome;
        QString output;
        qint64 deadline = 0;
    };

    void scan(const QString &folder);
    void take(const QString &path, bool arrived);
    void runNext();
    std::optional<RunSnapshot> planBatch(const QList<Waiting> &batch) const;
    void onBatchFinished(const BatchReport &report);
    void reportFailuresDue();
    void report(const QString &source, const QString &output, const JobOutcome &outcome);
    void finishWhenIdle();

    BatchCommand m_command;
    HotFolder m_hotFolder;
    BatchRunner m_runner;
    std::optional<ReportFile> m_report;
    QList<Waiting> m_waiting;
    RunSnapshot m_run; // the batch in flight
    bool m_running = false;
    QHash<QString, Failure> m_failures;
    QTimer m_failureTimer;
    QElapsedTimer m_clock;
    bool m_stopping = false;
    int m_exitStatus = 0; // 128 + the signal that stopped it, or 1 when the folder went away
};
