#include "outputnames.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "nametemplate.h"

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
                              const QStringList &baseNames)
{
    const bool keepFormat = format == QLatin1String("Original");
    const auto unavailable = [&](const QSet<QString> &taken, const QString &path) {
        return taken.contains(path) ||
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
        int &n = nextNumber[fileName];
        if (n == 0)
            n = 2;
        else if (unavailable(taken, path))
            path = outputDir + QLatin1Char('/') + numberedFileName(fileName, n);
        for (; unavailable(taken, path); ++n)
            path = outputDir + QLatin1Char('/') + numberedFileName(fileName, n);
        taken.insert(path);
        result.paths << path;
        result.skipped << (existing == ExistingFiles::Skip && QFileInfo::exists(path));
    }
    return result;
}
