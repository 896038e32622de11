#include "picturefolder.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>

namespace {

void walk(const QString &folder, const QCollator &collator, QStringList &pictures)
{
    // Without QDir::Hidden: hidden entries are left out.
    QFileInfoList entries =
      QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    std::sort(entries.begin(), entries.end(), [&](const QFileInfo &a, const QFileInfo &b) {
        if (a.isDir() != b.isDir())
            return a.isDir();
        return collator.compare(a.fileName(), b.fileName()) < 0;
    });
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (!entry.isSymLink())
                walk(entry.filePath(), collator, pictures);
        } else if (PictureFolder::hasPictureSuffix(entry.filePath())) {
            pictures << entry.filePath();
        }
    }
}

} // namespace

namespace PictureFolder {

bool hasPictureSuffix(const QString &path)
{
    const QString lower = path.toLower();
    return std::any_of(pictureTypes.cbegin(), pictureTypes.cend(), [&](const PictureType &type) {
        return lower.endsWith(QLatin1String(type.suffix));
    });
}

QString nameFilter()
{
    QStringList patterns;
    for (const PictureType &type : pictureTypes)
        patterns << QStringLiteral("*.") + QLatin1String(type.suffix);
    return patterns.join(QLatin1Char(' '));
}

QStringList mimeTypes()
{
    QStringList types;
    for (const PictureType &type : pictureTypes) {
        if (!types.contains(QLatin1String(type.mimeType)))
            types << QLatin1String(type.mimeType);
    }
    return types;
}

QStringList picturesIn(const QStringList &paths)
{
    // Qt's collator ignores numeric mode in the C locale: compare as English there.
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList pictures;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            walk(QDir::cleanPath(path), collator, pictures);
        else if (hasPictureSuffix(path))
            pictures << path;
    }
    return pictures;
}

} // namespace PictureFolder
