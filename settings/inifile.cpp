#include "inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "atomicfile.h"

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool writeIniFile(const QString &path,
                  const std::function<void(QSettings &)> &fill,
                  bool keepOthers,
                  QString *error)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("scratch.conf"));
    if (keepOthers && QFile::exists(path) && !QFile::copy(path, copy))
        return fail(error, QFile(path).errorString());
    {
        QSettings ini(copy, QSettings::IniFormat);
        fill(ini);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return fail(error, QCoreApplication::translate("IniFile", "cannot write %1").arg(copy));
    }
    QFile written(copy);
    if (!written.open(QIODevice::ReadOnly))
        return fail(error, written.errorString());
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return fail(
          error, QCoreApplication::translate("IniFile", "cannot make the folder %1").arg(folder));
    return writeFileAtomically(path, written.readAll(), error);
}
