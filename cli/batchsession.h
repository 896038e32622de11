#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <optional>

#include "batchcommand.h"
#include "engine/run/batchrunner.h"
#include "reportfile.h"

// One invocation of quorlane-batch after its arguments are read: lists or saves presets, plans
// the run and opens its report, starts the engine on the snapshot, shows progress on a terminal,
// appends each picture's report line as it ends, stops cleanly on a signal, and ends with the
// end-of-run lines and the exit status.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    explicit BatchSession(const BatchCommand &command, QObject *parent = nullptr);

    // Everything before the first picture. The exit status when the invocation ends here (its
    // message said), or none when the run is ready to start.
    std::optional<int> prepare();
    void start();
    // A signal asks the run to stop after the pictures in flight; it decides the exit status.
    void stop(int signalNumber);

signals:
    void finished(int exitStatus);

private:
    void showProgress(int done, int total);
    void end(const BatchReport &report);

    BatchCommand m_command;
    RunSnapshot m_run;
    std::optional<ReportFile> m_report;
    BatchRunner m_runner;
    QElapsedTimer m_clock;
    int m_stoppedBy = 0;
    bool m_progressShown = false;
};
