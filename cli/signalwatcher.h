#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP (a closed terminal, a dropped ssh) for the whole life of
// quorlane-batch. Until watch() (while the run is planned, before anything is written) a signal
// ends the process at once. From then on the first signal reaches the event loop as received();
// a second one removes this process's temporary files and ends it at once. SIGPIPE is ignored:
// a closed pipe never changes the outcome of a run.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    // First thing in main().
    static void install();

    explicit SignalWatcher(QObject *parent = nullptr);
    void watch();

signals:
    void received(int number);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
    int m_first = 0;
};
