#include "configfile.h"

#include <QSettings>

#include "constants.h"
#include "inifile.h"

namespace {

// Never through the organisation name: setting one would move the cache folder.
QSettings openConfig()
{
    return QSettings(QSettings::NativeFormat,
                     QSettings::UserScope,
                     QStringLiteral("quorlane"),
                     QStringLiteral("quorlane"));
}

const QString lastPresetKey = QStringLiteral("Window/preset");
const QString geometryKey = QStringLiteral("Window/geometry");

} // namespace

namespace ConfigFile {

QString keyOf(const RunOption &option)
{
    return QLatin1String(option.group) + QLatin1Char('/') + QLatin1String(option.key);
}

void read(const QSettings &file, RunOptions &options)
{
    for (const RunOption &option : runOptions()) {
        const QVariant value = file.value(keyOf(option));
        // A refused value, or one too long for any of ours, keeps the default.
        if (value.isValid() && fitsFileText(value.toString()))
            option.set(options, value.toString());
    }
}

void write(QSettings &file, const RunOptions &options)
{
    for (const RunOption &option : runOptions())
        file.setValue(keyOf(option), option.get(options));
}

RunOptions load()
{
    RunOptions options;
    read(openConfig(), options);
    return options;
}

bool save(const RunOptions &options, QString *error)
{
    return writeIniFile(
      openConfig().fileName(), [&](QSettings &file) { write(file, options); }, true, error);
}

QString lastPreset()
{
    return openConfig().value(lastPresetKey).toString();
}

bool saveLastPreset(const QString &name, QString *error)
{
    return writeIniFile(
      openConfig().fileName(),
      [&](QSettings &file) { file.setValue(lastPresetKey, name); },
      true,
      error);
}

QByteArray windowGeometry()
{
    return openConfig().value(geometryKey).toByteArray();
}

bool saveWindowGeometry(const QByteArray &geometry, QString *error)
{
    return writeIniFile(
      openConfig().fileName(),
      [&](QSettings &file) { file.setValue(geometryKey, geometry); },
      true,
      error);
}

} // namespace ConfigFile
