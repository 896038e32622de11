#include "appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "watermarksettings.h"

namespace {

QString enterSubfolder(const QString &base, const QString &name)
{
    QDir dir(base);
    QDir().mkpath(base + QLatin1Char('/') + name);
    dir.cd(name); // stays on base when the subfolder could not be made or entered
    return dir.absolutePath();
}

} // namespace

namespace AppFolders {

void setUp(WatermarkSettings &settings)
{
    settings.appDirPath = QCoreApplication::applicationDirPath();

    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(base);
    settings.outputDirPath = enterSubfolder(base, QStringLiteral("QRL"));
    settings.settingsDirPath = enterSubfolder(base, QStringLiteral("QRLSettings"));

    settings.cacheDirPath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(settings.cacheDirPath);
}

void locate(WatermarkSettings &settings)
{
    settings.appDirPath = QCoreApplication::applicationDirPath();
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    settings.outputDirPath = base + QStringLiteral("/QRL");
    settings.settingsDirPath = base + QStringLiteral("/QRLSettings");
}

} // namespace AppFolders
