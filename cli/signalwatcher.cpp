#include "signalwatcher.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "engine/output/temporaryfiles.h"

namespace {

// Signals reach the event loop through a pipe: a handler may do little more than write().
int signalPipe[2] = { -1, -1 };
std::atomic<bool> watching{ false };

void onSignalReceived(int number)
{
    if (!watching) // still planning: nothing written, nothing to finish
        ::_exit(128 + number);
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void SignalWatcher::install()
{
    std::signal(SIGPIPE, SIG_IGN);
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onSignalReceived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : { SIGINT, SIGTERM, SIGHUP })
        sigaction(number, &action, nullptr);
}

SignalWatcher::SignalWatcher(QObject *parent)
  : QObject(parent)
{
}

void SignalWatcher::watch()
{
    if (signalPipe[0] < 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::onReadable);
    watching = true;
}

void SignalWatcher::onReadable()
{
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1) {
        if (m_first != 0) {
            // Asked twice: the pictures in flight are given up.
            TemporaryFiles::removeAll();
            ::_exit(128 + m_first);
        }
        m_first = number;
        emit received(number);
    }
}
