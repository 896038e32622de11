#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "batchcommand.h"
#include "engine/batchrunner.h"

class QSocketNotifier;

// One run of quorlane-batch: starts the engine on the command's snapshot, shows progress on a
// terminal, stops cleanly on SIGINT or SIGTERM, and ends with the report, the end-of-run lines
// and the exit status.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    BatchSession(const BatchCommand &command, const RunSnapshot &run, QObject *parent = nullptr);
    ~BatchSession() override;

    void start();

signals:
    void finished(int exitStatus);

private:
    void showProgress(int done, int total);
    void end(const BatchReport &report);
    bool writeReport(const BatchReport &report);
    void onSignal();

    BatchCommand m_command;
    RunSnapshot m_run;
    BatchRunner m_runner;
    QElapsedTimer m_clock;
    QSocketNotifier *m_signals = nullptr;
    int m_stoppedBy = 0;
    bool m_progressShown = false;
};
