#include "atomicfile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // commit() alone does not notice a failed write: check, and cancel so that the previous
    // file survives.
    if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        fail();
        file.cancelWriting();
        return false;
    }
    return file.commit() || fail();
}
