#include <QApplication>
#include <QLocale>

#include "engine/imageio/picturemetadata.h"
#include "settings/appfolders.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "ui/dialog.h"

int main(int argc, char *argv[])
{
    PictureMetadata::initialize(); // before any thread: the metadata library's set-up is not safe
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorlane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORLANE_ID));
    installTranslators(QLocale());
    AppFolders::setUp(WatermarkSettings::instance());

    Dialog dialog;
    dialog.show();
    return dialog.exec();
}
