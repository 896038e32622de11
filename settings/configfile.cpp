#include "configfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "atomicfile.h"

namespace {

// Never through the organisation name: setting one would move the cache folder.
QSettings openConfig()
{
    return QSettings(QSettings::NativeFormat,
                     QSettings::UserScope,
                     QStringLiteral("quorlane"),
                     QStringLiteral("quorlane"));
}

QString keyOf(const RunOption &option)
{
    return QLatin1String(option.group) + QLatin1Char('/') + QLatin1String(option.key);
}

} // namespace

namespace ConfigFile {

RunOptions load()
{
    RunOptions options;
    const QSettings config = openConfig();
    for (const RunOption &option : runOptions()) {
        const QVariant value = config.value(keyOf(option));
        if (value.isValid())
            option.set(options, value.toString()); // a refused value keeps the default
    }
    return options;
}

bool save(const RunOptions &options, QString *error)
{
    // QSettings writes the INI text, keeping every other key, into a scratch copy; the real
    // file is then replaced with the checked atomic write.
    const QString path = openConfig().fileName();
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("quorlane.conf"));
    if (QFile::exists(path) && !QFile::copy(path, copy)) {
        if (error)
            *error = QFile(path).errorString();
        return false;
    }
    {
        QSettings config(copy, QSettings::IniFormat);
        for (const RunOption &option : runOptions())
            config.setValue(keyOf(option), option.get(options));
        config.sync();
        if (config.status() != QSettings::NoError) {
            if (error)
                *error = QCoreApplication::translate("ConfigFile", "cannot write %1").arg(copy);
            return false;
        }
    }
    QFile written(copy);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            *error = written.errorString();
        return false;
    }
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error =
              QCoreApplication::translate("ConfigFile", "cannot make the folder %1").arg(folder);
        return false;
    }
    return writeFileAtomically(path, written.readAll(), error);
}

} // namespace ConfigFile
