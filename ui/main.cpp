#include <QApplication>

#include "settings/appfolders.h"
#include "settings/watermarksettings.h"
#include "ui/dialog.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorlane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORLANE_ID));
    AppFolders::setUp(WatermarkSettings::instance());

    Dialog dialog;
    dialog.show();
    return dialog.exec();
}
