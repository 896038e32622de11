#include "batchsession.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

#include "engine/run/runplanner.h"
#include "engine/run/runsummary.h"
#include "messages.h"
#include "settings/preset.h"

BatchSession::BatchSession(const BatchCommand &command, QObject *parent)
  : QObject(parent)
  , m_command(command)
{
    connect(&m_runner, &BatchRunner::pictureFinished, this, &BatchSession::showProgress);
    connect(&m_runner, &BatchRunner::finished, this, &BatchSession::end);
    connect(&m_runner, &BatchRunner::outcomeReady, this, [this](int index, const JobOutcome &o) {
        if (m_report)
            m_report->add(m_run, index, o);
    });
}

std::optional<int> BatchSession::prepare()
{
    if (m_command.action == BatchCommand::Action::ListPresets) {
        for (const QString &name : Presets::names())
            std::printf("%s\n", name.toLocal8Bit().constData());
        return 0;
    }
    if (!m_command.savePreset.isEmpty()) {
        QString error;
        if (!Presets::save(m_command.savePreset, m_command.preset, &error)) {
            say(QCoreApplication::translate("BatchCommand", "cannot save the preset '%1': %2")
                  .arg(m_command.savePreset, error));
            return 1;
        }
        if (m_command.request.sources.isEmpty())
            return 0;
    }
    const RunPlan plan = planRun(m_command.request);
    if (!plan.ok()) {
        say(plan.message(m_command.request));
        return plan.failure == RunPlan::Failure::OutputFolder ? 1 : 2;
    }
    m_run = plan.run;
    return openReport(m_command.reportPath, m_run, m_report);
}

void BatchSession::start()
{
    m_clock.start();
    m_runner.start(m_run, m_command.jobs);
}

void BatchSession::stop(int signalNumber)
{
    m_stoppedBy = signalNumber;
    m_runner.stop();
}

void BatchSession::showProgress(int done, int total)
{
    if (m_command.quiet || !::isatty(STDERR_FILENO))
        return;
    const double seconds = m_clock.elapsed() / 1000.0;
    const double rate = seconds > 0 ? done / seconds : 0;
    const int left = rate > 0 ? int((total - done) / rate + 0.5) : 0;
    const QString line = tr("%1/%2 (%3%) %4 pictures/s, %5 s left")
                           .arg(done)
                           .arg(total)
                           .arg(done * 100 / total)
                           .arg(rate, 0, 'f', 1)
                           .arg(left);
    std::fprintf(stderr, "\r\033[K%s", line.toLocal8Bit().constData());
    m_progressShown = true;
}

void BatchSession::end(const BatchReport &report)
{
    if (m_progressShown)
        std::fputs("\r\033[K", stderr);
    if (m_report) {
        // The pictures never started come last.
        for (int i = 0; i < report.outcomes.size(); ++i) {
            if (report.outcomes.at(i).status == JobOutcome::Status::NotStarted)
                m_report->add(m_run, i, report.outcomes.at(i));
        }
    }
    const RunSummary summary = summarizeRun(report, m_run.sources, unlimitedLines);
    for (const RunSummary::Block &block : summary.blocks) {
        if (m_command.quiet && !block.keptWhenQuiet())
            continue;
        for (const QString &line : block.lines)
            say(line);
    }
    const bool reportWritten = !m_report || m_report->error().isEmpty();
    if (!reportWritten) {
        say(tr("cannot write the report '%1': %2").arg(m_command.reportPath, m_report->error()));
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
