#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <optional>

#include "batchcommand.h"
#include "batchsession.h"
#include "engine/imageio/picturemetadata.h"
#include "messages.h"
#include "settings/appfolders.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "signalwatcher.h"
#include "version.h"
#include "watchsession.h"

namespace {

// Qt's own notes (a missing runtime folder and the like) are no user's business; errors are.
void onlyErrors(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        say(message);
}

// Prepares session and runs it to its end, a signal stopping it after the pictures in flight.
template<typename Session>
int runSession(const BatchCommand &command)
{
    Session session(command);
    if (const std::optional<int> status = session.prepare())
        return *status;
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::received, &session, &Session::stop);
    QObject::connect(
      &session, &Session::finished, qApp, &QCoreApplication::exit, Qt::QueuedConnection);
    watcher.watch();
    session.start();
    return QGuiApplication::exec();
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
    WatermarkSettings &folders = WatermarkSettings::instance();
    AppFolders::locate(folders);

    QFile standardInput;
    standardInput.open(stdin, QIODevice::ReadOnly);
    ParsedCommand parsed = parseBatchCommand(QGuiApplication::arguments(), &standardInput, folders);
    if (!parsed.error.isEmpty()) {
        const QString hint = QCoreApplication::translate(
          "BatchCommand", "Try 'quorlane-batch --help' for more information.");
        say(parsed.error);
        std::fprintf(stderr, "%s\n", hint.toLocal8Bit().constData());
        return 2;
    }
    const BatchCommand &command = parsed.command;
    if (command.action == BatchCommand::Action::Help) {
        std::fputs(batchHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command.action == BatchCommand::Action::Version) {
        std::printf("quorlane-batch %s\n", appVersion);
        return 0;
    }
    if (!command.watchFolder.isEmpty())
        return runSession<WatchSession>(command);
    return runSession<BatchSession>(command);
}
