#include "batchsession.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "engine/runsummary.h"
#include "settings/atomicfile.h"

namespace {

// Signals reach the event loop through a pipe: a handler may do little more than write().
int signalPipe[2] = { -1, -1 };

void onSignalReceived(int number)
{
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

void say(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

BatchSession::BatchSession(const BatchCommand &command, const RunSnapshot &run, QObject *parent)
  : QObject(parent)
  , m_command(command)
  , m_run(run)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_signals = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(m_signals, &QSocketNotifier::activated, this, &BatchSession::onSignal);
        struct sigaction action = {};
        action.sa_handler = onSignalReceived;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    }
    connect(&m_runner, &BatchRunner::pictureFinished, this, &BatchSession::showProgress);
    connect(&m_runner, &BatchRunner::finished, this, &BatchSession::end);
}

BatchSession::~BatchSession()
{
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
}

void BatchSession::start()
{
    m_clock.start();
    m_runner.start(m_run, m_command.jobs);
}

void BatchSession::onSignal()
{
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1) {
        // The first signal decides the exit status; later ones change nothing, so that the
        // pictures in flight always finish.
        if (m_stoppedBy == 0)
            m_stoppedBy = number;
    }
    m_runner.stop();
}

void BatchSession::showProgress(int done, int total)
{
    if (m_command.quiet || !::isatty(STDERR_FILENO))
        return;
    const double seconds = m_clock.elapsed() / 1000.0;
    const double rate = seconds > 0 ? done / seconds : 0;
    const int left = rate > 0 ? int((total - done) / rate + 0.5) : 0;
    std::fprintf(stderr,
                 "\r\033[K%d/%d (%d%%) %.1f pictures/s, %d s left",
                 done,
                 total,
                 done * 100 / total,
                 rate,
                 left);
    m_progressShown = true;
}

void BatchSession::end(const BatchReport &report)
{
    if (m_progressShown)
        std::fputs("\r\033[K", stderr);
    const RunSummary summary = summarizeRun(report, m_run.sources, unlimitedLines);
    const bool reportWritten = m_command.reportPath.isEmpty() || writeReport(report);
    for (const RunSummary::Block &block : summary.blocks) {
        if (m_command.quiet && !block.isError())
            continue;
        for (const QString &line : block.lines)
            say(QStringLiteral("quorlane-batch: ") + line);
    }
    if (!m_command.quiet) {
        say(tr("%1 written, %2 skipped, %3 failed in %4 s")
              .arg(report.count(JobOutcome::Status::Written))
              .arg(report.count(JobOutcome::Status::Skipped))
              .arg(report.failureCount())
              .arg(m_clock.elapsed() / 1000.0, 0, 'f', 1));
    }
    int status = 0;
    if (m_stoppedBy != 0)
        status = 128 + m_stoppedBy;
    else if (report.failureCount() > 0 || !reportWritten)
        status = 1;
    emit finished(status);
}

bool BatchSession::writeReport(const BatchReport &report)
{
    QByteArray lines;
    for (int i = 0; i < report.outcomes.size(); ++i) {
        const JobOutcome &outcome = report.outcomes.at(i);
        QJsonObject line;
        line.insert(QStringLiteral("source"), m_run.sources.at(i));
        line.insert(QStringLiteral("output"),
                    outcome.status == JobOutcome::Status::Written ? QJsonValue(outcome.output)
                    : outcome.status == JobOutcome::Status::Skipped
                      ? QJsonValue(m_run.outputs.at(i))
                      : QJsonValue());
        line.insert(QStringLiteral("status"), outcomeName(report, i));
        line.insert(QStringLiteral("reason"),
                    orNull(outcome.status == JobOutcome::Status::Written ? outcome.metadataReason
                                                                         : outcome.reason));
        lines += QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    }
    QString error;
    if (writeFileAtomically(m_command.reportPath, lines, &error))
        return true;
    say(tr("quorlane-batch: cannot write the report '%1': %2").arg(m_command.reportPath, error));
    return false;
}
