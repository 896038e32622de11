#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/imageio/picturemetadata.h"
#include "settings/appfolders.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "ui/dialog.h"
#include "version.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Quorlane)
};

// Help and version need no display: they are answered before the window's application exists.
bool onlyText(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help") ||
            !std::strcmp(argv[i], "--version"))
            return true;
    }
    return false;
}

void setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
      Text::tr("Stamps a text watermark onto a batch of pictures. The pictures and folders given "
               "start in the window's list, as if dropped on it."));
    parser.addPositionalArgument(QStringLiteral("pictures"),
                                 Text::tr("Pictures or folders of pictures."),
                                 Text::tr("[FILE|FOLDER...]"));
    parser.addOption(
      { { QStringLiteral("h"), QStringLiteral("help") }, Text::tr("Show this help and exit.") });
    parser.addOption({ QStringLiteral("version"), Text::tr("Show the version and exit.") });
}

} // namespace

int main(int argc, char *argv[])
{
    PictureMetadata::initialize(); // before any thread: the metadata library's set-up is not safe
    const std::unique_ptr<QCoreApplication> app(
      onlyText(argc, argv) ? new QCoreApplication(argc, argv) : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("quorlane"));
    installTranslators(QLocale());
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr,
                     "quorlane: %s\n%s\n",
                     qPrintable(parser.errorText()),
                     qPrintable(Text::tr("Try 'quorlane --help' for more information.")));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The usage line names the program as a user types it, not by the path it was started from.
        QString help = parser.helpText();
        help.replace(0,
                     help.indexOf(QLatin1Char(' '), help.indexOf(QLatin1Char(' ')) + 1),
                     Text::tr("Usage:") + QStringLiteral(" quorlane"));
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("quorlane %s\n", appVersion);
        return 0;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORLANE_ID));
    AppFolders::setUp(WatermarkSettings::instance());

    Dialog dialog;
    dialog.show();
    const QStringList pictures = parser.positionalArguments();
    if (!pictures.isEmpty())
        dialog.openPictures(pictures);
    return dialog.exec();
}
