#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "app/appfolders.h"
#include "app/watermarksettings.h"
#include "batchcommand.h"
#include "batchsession.h"
#include "version.h"

namespace {

// Qt's own notes (a missing runtime folder and the like) are no user's business; errors are.
void onlyErrors(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quorlane-batch: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(onlyErrors);
    // No display needed: drawing text needs a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quorlane"));
    AppFolders::setUp(WatermarkSettings::instance());

    QFile standardInput;
    standardInput.open(stdin, QIODevice::ReadOnly);
    ParsedCommand parsed = parseBatchCommand(QGuiApplication::arguments(), &standardInput);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr,
                     "quorlane-batch: %s\nTry 'quorlane-batch --help' for more information.\n",
                     parsed.error.toLocal8Bit().constData());
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
    const QString error = prepareOutputs(command);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quorlane-batch: %s\n", error.toLocal8Bit().constData());
        return 1;
    }

    BatchSession session(command);
    QObject::connect(&session, &BatchSession::finished, &app, &QCoreApplication::exit);
    session.start();
    return QGuiApplication::exec();
}
