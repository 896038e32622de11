#include "temporaryfiles.h"

#include <QMutex>
#include <QSet>

#include <unistd.h>

namespace {

QMutex mutex;
QSet<QByteArray> &files()
{
    static QSet<QByteArray> set;
    return set;
}

} // namespace

namespace TemporaryFiles {

void add(const QByteArray &path)
{
    const QMutexLocker lock(&mutex);
    files().insert(path);
}

void remove(const QByteArray &path)
{
    const QMutexLocker lock(&mutex);
    files().remove(path);
}

void removeAll()
{
    const QMutexLocker lock(&mutex);
    for (const QByteArray &path : std::as_const(files()))
        ::unlink(path.constData());
    files().clear();
}

} // namespace TemporaryFiles
