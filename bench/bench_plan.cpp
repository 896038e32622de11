// How long planning takes for lists that repeat one name: 5 000 to 100 000 copies, every output
// numbered within the run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "engine/output/outputnames.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir out;
    for (const int count : { 5000, 20000, 100000 }) {
        const QStringList sources(count, QStringLiteral("/photos/IMG_0001.jpg"));
        QElapsedTimer clock;
        clock.start();
        const OutputPaths paths = assignOutputPaths(sources, out.path(), QStringLiteral("jpg"));
        std::printf("planning %6d copies of one name: %7.3f s (last: %s)\n",
                    count,
                    clock.elapsed() / 1000.0,
                    qPrintable(paths.paths.constLast().section(QLatin1Char('/'), -1)));
    }
    return 0;
}
