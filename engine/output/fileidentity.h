#pragma once

#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/stat.h>

// Which file a path names: two paths name the same file when device and inode agree, whatever
// the paths say (a bind mount, one share mounted at two places, a link).
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

inline size_t qHash(const FileIdentity &id, size_t seed = 0)
{
    return qHashMulti(seed, id.device, id.inode);
}

// The file at path, following links or (followLinks false) the link itself; none when nothing
// is there.
inline std::optional<FileIdentity> identityOf(const QString &path, bool followLinks)
{
    struct stat info = {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return std::nullopt;
    return FileIdentity{ quint64(info.st_dev), quint64(info.st_ino) };
}

// The files paths name (following links); paths naming nothing are left out.
inline QSet<FileIdentity> identitiesOf(const QStringList &paths)
{
    QSet<FileIdentity> ids;
    for (const QString &path : paths) {
        if (const std::optional<FileIdentity> id = identityOf(path, true))
            ids.insert(*id);
    }
    return ids;
}
