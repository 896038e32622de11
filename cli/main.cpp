#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <optional>

#include "batchcommand.h"
#include "batchsession.h"
#include "engine/imageio/picturemetadata.h"
#include "messages.h"
#include "reportfile.h"
#include "settings/appfolders.h"
#include "settings/preset.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "signalwatcher.h"
#include "version.h"

namespace {

// Qt's own notes (a missing runtime folder and the like) are no user's business; errors are.
void onlyErrors(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        say(message);
}

} // namespace

int main(int argc, char *argv[])
{
    SignalWatcher::install();
    PictureMetadata::initialize(); // before any thread: the metadata library's set-up is not safe
    qInstallMessageHandler(onlyErrors);
    // No display needed: drawing text needs a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quorlane"));
    installTranslators(QLocale());
    AppFolders::locate(WatermarkSettings::instance());

    QFile standardInput;
    standardInput.open(stdin, QIODevice::ReadOnly);
    ParsedCommand parsed = parseBatchCommand(QGuiApplication::arguments(), &standardInput);
    if (!parsed.error.isEmpty()) {
        const QString hint = QCoreApplication::translate(
          "BatchCommand", "Try 'quorlane-batch --help' for more information.");
        say(parsed.error);
        std::fprintf(stderr, "%s\n", hint.toLocal8Bit().constData());
        return 2;
    }
    BatchCommand &command = parsed.command;
    if (command.action == BatchCommand::Action::Help) {
        std::fputs(batchHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command.action == BatchCommand::Action::Version) {
        std::printf("quorlane-batch %s\n", appVersion);
        return 0;
    }
    if (command.action == BatchCommand::Action::ListPresets) {
        for (const QString &name : Presets::names())
            std::printf("%s\n", name.toLocal8Bit().constData());
        return 0;
    }
    if (!command.savePreset.isEmpty()) {
        QString error;
        if (!Presets::save(command.savePreset, command.preset, &error)) {
            say(QCoreApplication::translate("BatchCommand", "cannot save the preset '%1': %2")
                  .arg(command.savePreset, error));
            return 1;
        }
        if (command.request.sources.isEmpty())
            return 0;
    }
    const RunPlan plan = planRun(command.request);
    if (!plan.ok()) {
        say(plan.message(command.request));
        return plan.failure == RunPlan::Failure::Logo ? 2 : 1;
    }
    std::optional<ReportFile> report;
    if (!command.reportPath.isEmpty()) {
        const QString refusal = ReportFile::refusal(command.reportPath, plan.run);
        if (!refusal.isEmpty()) {
            say(QCoreApplication::translate("BatchCommand",
                                            "refusing to write the report to '%1': %2")
                  .arg(command.reportPath, refusal));
            return 2;
        }
        report.emplace();
        if (!report->open(command.reportPath)) {
            say(QCoreApplication::translate("BatchCommand", "cannot write the report '%1': %2")
                  .arg(command.reportPath, report->error()));
            return 1;
        }
    }

    BatchSession session(command, plan.run, report ? &*report : nullptr);
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::received, &session, &BatchSession::stop);
    QObject::connect(&session, &BatchSession::finished, &app, &QCoreApplication::exit);
    watcher.watch();
    session.start();
    return QGuiApplication::exec();
}
