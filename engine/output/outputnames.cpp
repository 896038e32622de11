#include "outputnames.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "nametemplate.h"

Qt::CaseSensitivity fileNameCase(const QString &folder)
{
    // A name of our own in lower case, looked up in upper case.
    const QByteArray probe =
      QFile::encodeName(folder) + "/.quorlane-case-" + QByteArray::number(::getpid()) + ".tmp";
    const int fd = ::open(probe.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return Qt::CaseSensitive;
    ::close(fd);
    struct stat info = {};
    const bool folds = ::stat(probe.toUpper().constData(), &info) == 0;
    ::unlink(probe.constData());
    return folds ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

QString numberedFileName(const QString &fileName, int n)
{
    const QString tag = QStringLiteral(" (%1)").arg(n);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileNameWithin(fileName, tag, QString());
    return fileNameWithin(fileName.left(dot), tag, fileName.mid(dot + 1));
}

OutputPaths assignOutputPaths(const QStringList &sources,
                              const QString &outputDir,
                              const QString &format,
                              ExistingFiles existing,
                              const QStringList &baseNames,
                              Qt::CaseSensitivity names)
{
    const bool keepFormat = format == QLatin1String("Original");
    // On a folder that folds case, "Photo.jpg" and "photo.jpg" are one name.
    const auto key = [names](const QString &name) {
        return names == Qt::CaseSensitive ? name : name.toCaseFolded();
    };
    const auto unavailable = [&](const QSet<QString> &taken, const QString &path) {
        return taken.contains(key(path)) ||
               (existing == ExistingFiles::Number && QFileInfo::exists(path));
    };
    OutputPaths result;
    QSet<QString> taken;
    // The next number to try for each name: thousands of copies of one name stay linear.
    QHash<QString, int> nextNumber;
    for (int i = 0; i < sources.size(); ++i) {
        const QFileInfo info(sources.at(i));
        const QString base = i < baseNames.size() ? baseNames.at(i) : info.completeBaseName();
        const QString fileName =
          keepFormat && base == info.completeBaseName()
            ? info.fileName()
            : fileNameWithin(base, QString(), keepFormat ? info.suffix() : format);
        QString path = outputDir + QLatin1Char('/') + fileName;
        int &n = nextNumber[key(fileName)];
        if (n == 0)
            n = 2;
        else if (unavailable(taken, path))
            path = outputDir + QLatin1Char('/') + numberedFileName(fileName, n);
        for (; unavailable(taken, path); ++n)
            path = outputDir + QLatin1Char('/') + numberedFileName(fileName, n);
        taken.insert(key(path));
        result.paths << path;
        result.skipped << (existing == ExistingFiles::Skip && QFileInfo::exists(path));
    }
    return result;
}
