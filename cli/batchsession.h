#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "batchcommand.h"
#include "engine/run/batchrunner.h"
#include "reportfile.h"

// One run of quorlane-batch: starts the engine on the planned snapshot, shows progress on a
// terminal, appends each picture's report line as it ends, stops cleanly on a signal, and ends
// with the end-of-run lines and the exit status.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    // report is open already, or null without --report.
    BatchSession(const BatchCommand &command,
                 const RunSnapshot &run,
                 ReportFile *report,
                 QObject *parent = nullptr);

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
    ReportFile *m_report;
    BatchRunner m_runner;
    QElapsedTimer m_clock;
    int m_stoppedBy = 0;
    bool m_progressShown = false;
};
