// Takes a picture of the main window and of every dialog in one language, to check that each
// translated label fits its fixed place: dialogshots LANGUAGE FOLDER writes
// FOLDER/LANGUAGE-window.png, -options-output.png, ... Run it through scripts/dialog-shots.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QTimer>

#include "engine/imageio/picturemetadata.h"
#include "settings/appfolders.h"
#include "settings/translators.h"
#include "settings/watermarksettings.h"
#include "ui/advanced.h"
#include "ui/customsize.h"
#include "ui/dialog.h"
#include "ui/outputoptions.h"
#include "ui/savepreset.h"

namespace {

// Shows widget, lets its previews arrive, and saves what the screen shows of it.
void shoot(QWidget *widget, const QString &path)
{
    widget->show();
    QEventLoop wait;
    QTimer::singleShot(1500, &wait, &QEventLoop::quit);
    wait.exec();
    if (!widget->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    widget->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    PictureMetadata::initialize();
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        fprintf(stderr, "usage: dialogshots LANGUAGE FOLDER\n");
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("quorlane"));
    installTranslators(QLocale(arguments.at(1)));
    WatermarkSettings &settings = WatermarkSettings::instance();
    AppFolders::setUp(settings);
    const QString prefix = QDir(arguments.at(2)).filePath(arguments.at(1) + QLatin1Char('-'));

    Dialog window;
    shoot(&window, prefix + QStringLiteral("window.png"));
    PreviewRequest preview;
    preview.path = QStringLiteral(":/test.jpg");
    preview.isSample = true;
    preview.text = settings.startText();
    OutputOptions options(OutputPolicy(), WatermarkEffects(), preview);
    auto *tabs = options.findChild<QTabWidget *>(QStringLiteral("tabs"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        shoot(&options, prefix + QStringLiteral("options-%1.png").arg(i + 1));
    }
    Advanced advanced(settings);
    shoot(&advanced, prefix + QStringLiteral("advanced.png"));
    CustomSize customSize;
    shoot(&customSize, prefix + QStringLiteral("customsize.png"));
    SavePreset savePreset(QStringLiteral("web"));
    shoot(&savePreset, prefix + QStringLiteral("savepreset.png"));
    return 0;
}
