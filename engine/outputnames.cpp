#include "outputnames.h"

#include <QFileInfo>
#include <QSet>

namespace {

QString numbered(const QString &fileName, int n)
{
    const QString tag = QStringLiteral(" (%1)").arg(n);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileName + tag;
    return fileName.left(dot) + tag + fileName.mid(dot);
}

} // namespace

QStringList assignOutputPaths(const QStringList &sources,
                              const QString &outputDir,
                              const QString &format)
{
    const bool keepName = format == QLatin1String("Original");
    QStringList paths;
    QSet<QString> taken;
    for (const QString &source : sources) {
        const QFileInfo info(source);
        const QString fileName =
          keepName ? info.fileName() : info.completeBaseName() + QLatin1Char('.') + format;
        QString path = outputDir + QLatin1Char('/') + fileName;
        for (int n = 2; taken.contains(path); ++n)
            path = outputDir + QLatin1Char('/') + numbered(fileName, n);
        taken.insert(path);
        paths << path;
    }
    return paths;
}
